#include "drivers/odbc/SqlServerString.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>

namespace ghdb::driver::odbc {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           }) != text.end();
}

// The value of the first of `keys` that the string holds (OLE DB accepts several spellings).
std::optional<std::string> Get(const ConnectionString& s, std::initializer_list<const char*> keys) {
    for (const char* key : keys)
        if (auto value = s.get(key)) return value;
    return std::nullopt;
}

// N of "ODBC Driver N for SQL Server", 0 for any other name.
int MicrosoftDriverVersion(std::string_view name) {
    constexpr std::string_view prefix = "ODBC Driver ";
    constexpr std::string_view suffix = " for SQL Server";
    if (!StartsWithNoCase(name, prefix) || name.size() <= prefix.size() + suffix.size() ||
        !EqualNoCase(name.substr(name.size() - suffix.size()), suffix))
        return 0;
    const std::string number(
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size()));
    if (number.empty() || !std::all_of(number.begin(), number.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return 0;
    return std::atoi(number.c_str());
}

bool IsFreeTds(std::string_view name) {
    return ContainsNoCase(name, "FreeTDS") || ContainsNoCase(name, "tdsodbc");
}

// OLE DB's true/false as ODBC's yes/no; other words (mandatory, strict, …) pass as they are.
std::string YesNo(const std::string& value) {
    if (EqualNoCase(value, "true") || EqualNoCase(value, "sspi")) return "yes";
    if (EqualNoCase(value, "false")) return "no";
    return value;
}

struct Address {
    std::string host;
    std::string port;  // empty: the driver's default (1433, or the instance's)
};

// "host", "host,port", "host\instance", optionally with a "tcp:" prefix; "(local)" and "." name
// this machine.
Address ParseDataSource(std::string text) {
    if (StartsWithNoCase(text, "tcp:")) text.erase(0, 4);
    Address a;
    const std::size_t comma = text.find(',');
    a.host = text.substr(0, comma);
    if (comma != std::string::npos) a.port = text.substr(comma + 1);
    auto trim = [](std::string& s) {
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.pop_back();
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.erase(0, 1);
    };
    trim(a.host);
    trim(a.port);
    if (a.host == "." || EqualNoCase(a.host, "(local)")) a.host = "localhost";
    return a;
}

}  // namespace

bool IsSqlServerProvider(std::string_view provider) {
    constexpr std::string_view kProviders[] = {"SQLOLEDB",    "SQLOLEDB.1", "SQLNCLI",
                                               "SQLNCLI10",   "SQLNCLI11",  "MSOLEDBSQL",
                                               "MSOLEDBSQL19"};
    return std::any_of(std::begin(kProviders), std::end(kProviders),
                       [provider](std::string_view p) { return EqualNoCase(p, provider); });
}

std::string ChooseSqlServerDriver(const ConnectionString& oleDb,
                                  const std::vector<std::string>& installed) {
    if (auto chosen = oleDb.get("Driver"); chosen && !chosen->empty()) return *chosen;
    std::string best;
    int bestVersion = 0;
    for (const std::string& name : installed) {
        const int version = MicrosoftDriverVersion(name);
        if (version > bestVersion) bestVersion = version, best = name;
    }
    if (!best.empty()) return best;
    for (const std::string& name : installed)
        if (IsFreeTds(name)) return name;
    return {};
}

std::string OdbcValue(std::string_view value) {
    const bool plain =
        value.find_first_of(";{}") == std::string_view::npos &&
        (value.empty() || (!std::isspace(static_cast<unsigned char>(value.front())) &&
                           !std::isspace(static_cast<unsigned char>(value.back()))));
    if (plain) return std::string(value);
    std::string out = "{";
    for (char c : value) {
        if (c == '}') out += '}';
        out += c;
    }
    return out + '}';
}

std::string SqlServerOdbcString(const ConnectionString& oleDb, const std::string& driver) {
    // The driver is named in braces, as ODBC's own examples do, whatever it contains.
    std::string out = "Driver={";
    for (char c : driver) {
        if (c == '}') out += '}';
        out += c;
    }
    out += "};";
    auto add = [&out](const char* key, const std::string& value) {
        out += key;
        out += '=';
        out += OdbcValue(value);
        out += ';';
    };
    const bool freeTds = IsFreeTds(driver);
    const Address address = ParseDataSource(
        Get(oleDb, {"Data Source", "Server", "Address", "Addr", "Network Address"}).value_or(""));
    if (freeTds) {
        add("Server", address.host);
        if (!address.port.empty()) add("Port", address.port);
        // Text travels as UTF-8 both ways, and a current protocol keeps varchar(max) whole.
        add("TDS_Version", "7.4");
        add("ClientCharset", "UTF-8");
    } else {
        add("Server", address.port.empty() ? address.host : address.host + "," + address.port);
    }
    if (auto database = Get(oleDb, {"Initial Catalog", "Database"}); database && !database->empty())
        add("Database", *database);
    const auto user = Get(oleDb, {"User ID", "UID", "User"});
    if (user && !user->empty()) {
        add("UID", *user);
        add("PWD", Get(oleDb, {"Password", "PWD"}).value_or(""));
    }
    if (auto integrated = Get(oleDb, {"Integrated Security", "Trusted_Connection"}))
        add("Trusted_Connection", YesNo(*integrated));
    const auto encrypt = Get(oleDb, {"Encrypt", "Use Encryption for Data"});
    const auto trust = Get(oleDb, {"TrustServerCertificate", "Trust Server Certificate"});
    if (encrypt) add("Encrypt", YesNo(*encrypt));
    if (trust) add("TrustServerCertificate", YesNo(*trust));
    // Driver 18 encrypts and checks the server's certificate by default, which the OLE DB
    // providers never did; a string that says nothing about encryption keeps the old behaviour.
    if (!encrypt && !trust && MicrosoftDriverVersion(driver) >= 18)
        add("TrustServerCertificate", "yes");
    if (auto app = Get(oleDb, {"Application Name", "APP"})) add("APP", *app);
    if (auto workstation = Get(oleDb, {"Workstation ID", "WSID"})) add("WSID", *workstation);
    return out;
}

}  // namespace ghdb::driver::odbc
