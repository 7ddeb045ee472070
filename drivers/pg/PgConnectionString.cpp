#include "drivers/pg/PgConnectionString.h"

#include <libpq-fe.h>
#include <strings.h>

#include <algorithm>
#include <cctype>

#include "drivers/ConnectionString.h"
#include "drivers/Session.h"

namespace ghdb::driver::pg {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           strncasecmp(text.data(), prefix.data(), prefix.size()) == 0;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string_view TrimStart(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    return s;
}

bool IsUri(std::string_view text) {
    text = TrimStart(text);
    return StartsWithNoCase(text, "postgresql://") || StartsWithNoCase(text, "postgres://");
}

struct Alias {
    std::string_view name;
    const char* keyword;
};

// The ADO and ODBC spellings that hosts already use for the same settings.
constexpr Alias kAliases[] = {
    {"Host", "host"},
    {"Server", "host"},
    {"Port", "port"},
    {"Database", "dbname"},
    {"Initial Catalog", "dbname"},
    {"User ID", "user"},
    {"UID", "user"},
    {"User", "user"},
    {"Password", "password"},
    {"PWD", "password"},
    {"Timeout", "connect_timeout"},
    {"Connect Timeout", "connect_timeout"},
    {"SSL Mode", "sslmode"},
    {"Application Name", "application_name"},
};

// Keys of ADO strings that say nothing to libpq.
constexpr std::string_view kIgnored[] = {"Provider", "Persist Security Info"};

// Seconds to wait for the server, as the ODBC route waits.
constexpr const char* kConnectTimeout = "15";

bool IsLibpqKeyword(const std::string& key) {
    PQconninfoOption* options = PQconndefaults();
    bool found = false;
    for (PQconninfoOption* o = options; o && o->keyword; ++o)
        if (key == o->keyword) found = true;
    PQconninfoFree(options);
    return found;
}

[[noreturn]] void Refuse(const std::string& text) {
    throw DriverError({ErrorRecord{text, "PostgreSQL", "", 0}});
}

void Set(LibpqParameters& out, const std::string& keyword, std::string value) {
    for (auto& [k, v] : out.items) {
        if (k == keyword) {
            v = std::move(value);
            return;
        }
    }
    out.items.emplace_back(keyword, std::move(value));
}

// `Data Source` names the host, optionally with its port after a comma (SQL Server's way) or a
// colon; an IPv6 address keeps its colons.
void SetDataSource(LibpqParameters& out, const std::string& value) {
    std::size_t split = value.rfind(',');
    if (split == std::string::npos && std::count(value.begin(), value.end(), ':') == 1)
        split = value.find(':');
    if (split == std::string::npos) {
        Set(out, "host", value);
        return;
    }
    Set(out, "host", value.substr(0, split));
    Set(out, "port", value.substr(split + 1));
}

}  // namespace

bool IsPostgresString(std::string_view text) {
    if (IsUri(text)) return true;
    const auto provider = ConnectionString(text).get("Provider");
    return provider && EqualNoCase(*provider, "PostgreSQL");
}

LibpqParameters ToLibpqParameters(std::string_view text) {
    LibpqParameters out;
    out.items.emplace_back("connect_timeout", kConnectTimeout);
    out.items.emplace_back("fallback_application_name", "ghdb");
    if (IsUri(text)) {
        // Settings of the URI override the defaults above.
        out.items.emplace_back("dbname", std::string(TrimStart(text)));
        out.expandUri = true;
    } else {
        const ConnectionString parts(text);
        for (const auto& [key, value] : parts.items()) {
            if (std::any_of(std::begin(kIgnored), std::end(kIgnored),
                            [&](std::string_view k) { return EqualNoCase(k, key); }))
                continue;
            if (EqualNoCase(key, "Data Source")) {
                SetDataSource(out, value);
                continue;
            }
            const auto alias =
                std::find_if(std::begin(kAliases), std::end(kAliases),
                             [&](const Alias& a) { return EqualNoCase(a.name, key); });
            if (alias != std::end(kAliases)) {
                Set(out, alias->keyword, value);
            } else if (IsLibpqKeyword(key)) {
                Set(out, key, value);
            } else {
                Refuse("The connection string has a key that PostgreSQL does not know: " + key);
            }
        }
    }
    // The library's text is UTF-8 throughout.
    out.items.emplace_back("client_encoding", "UTF8");
    return out;
}

}  // namespace ghdb::driver::pg
