#pragma once

#include <strings.h>

#include <string>
#include <string_view>

namespace ghdb::driver {

// A piece of statement text as the rewriting dialects see it.
enum class TokenKind { Word, StringLiteral, QuotedName, BracketName, Other };

struct Token {
    TokenKind kind;
    std::string_view text;
};

// Splits a statement into tokens so that rewrites can leave string literals alone. Words are
// runs of letters, digits, `_`, `@`, `#`, `$` and bytes of multi-byte characters; an
// unterminated literal or quoted name runs to the end.
template <class Visit>
void ForEachToken(std::string_view sql, Visit visit) {
    auto isWordByte = [](unsigned char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '_' || c == '@' || c == '#' || c == '$' || c >= 0x80;
    };
    std::size_t i = 0;
    while (i < sql.size()) {
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        std::size_t end = i + 1;
        TokenKind kind = TokenKind::Other;
        if (c == '\'' || c == '"') {
            kind = c == '\'' ? TokenKind::StringLiteral : TokenKind::QuotedName;
            while (end < sql.size()) {
                if (sql[end] == static_cast<char>(c)) {
                    // A doubled quote is an escaped quote inside the same token.
                    if (end + 1 < sql.size() && sql[end + 1] == static_cast<char>(c)) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
        } else if (c == '[') {
            kind = TokenKind::BracketName;
            const std::size_t close = sql.find(']', i + 1);
            end = close == std::string_view::npos ? sql.size() : close + 1;
        } else if (isWordByte(c)) {
            kind = TokenKind::Word;
            while (end < sql.size() && isWordByte(static_cast<unsigned char>(sql[end]))) ++end;
        }
        visit(Token{kind, sql.substr(i, end - i)});
        i = end;
    }
}

// Whether a statement may change a table's columns (a CREATE, DROP or ALTER word outside string
// literals), so that what a driver keeps about tables and prepared statements goes stale.
inline bool ChangesSchema(std::string_view sql) {
    bool found = false;
    ForEachToken(sql, [&found](const Token& t) {
        if (t.kind != TokenKind::Word || found) return;
        found = (t.text.size() == 6 && strncasecmp(t.text.data(), "CREATE", 6) == 0) ||
                (t.text.size() == 4 && strncasecmp(t.text.data(), "DROP", 4) == 0) ||
                (t.text.size() == 5 && strncasecmp(t.text.data(), "ALTER", 5) == 0);
    });
    return found;
}

}  // namespace ghdb::driver
