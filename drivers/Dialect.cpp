#include "drivers/Dialect.h"

#include <strings.h>

#include "drivers/SqlText.h"

namespace ghdb::driver {

namespace {

bool IsWord(const Token& t, std::string_view word) {
    return t.kind == TokenKind::Word && t.text.size() == word.size() &&
           strncasecmp(t.text.data(), word.data(), word.size()) == 0;
}

// SQLite reads brackets and any type name; only the `dbo.` owner prefix names a schema that
// does not exist there.
std::string ForSqlite(std::string_view sql) {
    std::string out;
    out.reserve(sql.size());
    bool pendingDbo = false;
    ForEachToken(sql, [&](const Token& t) {
        if (pendingDbo) {
            pendingDbo = false;
            if (t.kind == TokenKind::Other && t.text == ".") return;
            out += "dbo";
        }
        if (IsWord(t, "dbo")) {
            pendingDbo = true;
            return;
        }
        out += t.text;
    });
    if (pendingDbo) out += "dbo";
    return out;
}

}  // namespace

std::string RewriteForEngine(schema::Engine engine, std::string_view sql) {
    switch (engine) {
        case schema::Engine::SQLite:
            return ForSqlite(sql);
        default:
            return std::string(sql);
    }
}

}  // namespace ghdb::driver
