#include "drivers/Dialect.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "drivers/SqlText.h"

namespace ghdb::driver {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           }) != text.end();
}

bool IsWord(const Token& t, std::string_view word) {
    return t.kind == TokenKind::Word && EqualNoCase(t.text, word);
}

bool IsSpace(const Token& t) {
    return t.kind == TokenKind::Other && t.text.size() == 1 &&
           std::isspace(static_cast<unsigned char>(t.text[0]));
}

bool IsOther(const Token& t, char c) {
    return t.kind == TokenKind::Other && t.text.size() == 1 && t.text[0] == c;
}

// SQL Server's case-insensitive collations (`..._CI_...`) compare as SQLite's own NOCASE, and its
// case-sensitive ones as BINARY; any other name is left to the collations of the connection.
const char* SqliteCollation(std::string_view name) {
    if (ContainsNoCase(name, "_CI")) return "NOCASE";
    if (ContainsNoCase(name, "_CS")) return "BINARY";
    return nullptr;
}

// SQLite reads brackets and any type name. The owner prefix (`dbo.` or `[dbo].`) names a schema
// that does not exist there, and SQL Server's collations become SQLite's built-in ones, so that
// a table made from a T-SQL template can be queried by any SQLite tool.
std::string ForSqlite(std::string_view sql) {
    std::string out;
    out.reserve(sql.size());
    std::string_view pendingOwner;
    bool collationNext = false;
    ForEachToken(sql, [&](const Token& t) {
        if (!pendingOwner.empty()) {
            const std::string_view owner = pendingOwner;
            pendingOwner = {};
            if (t.kind == TokenKind::Other && t.text == ".") return;
            out += owner;
        }
        if (IsWord(t, "dbo") ||
            (t.kind == TokenKind::BracketName && EqualNoCase(t.text, "[dbo]"))) {
            pendingOwner = t.text;
            return;
        }
        if (collationNext && !IsSpace(t)) {
            collationNext = false;
            const char* builtIn = t.kind == TokenKind::Word ? SqliteCollation(t.text) : nullptr;
            if (builtIn) {
                out += builtIn;
                return;
            }
        }
        if (IsWord(t, "COLLATE")) collationNext = true;
        out += t.text;
    });
    out += pendingOwner;
    return out;
}

// Words that PostgreSQL never takes as a bare column or table name, each between blanks.
constexpr std::string_view kPostgresReserved =
    " all analyse analyze and any array as asc asymmetric authorization binary both case cast "
    "check collate collation column concurrently constraint create cross current_catalog "
    "current_date current_role current_schema current_time current_timestamp current_user "
    "default deferrable desc distinct do else end except false fetch for foreign freeze from "
    "full grant group having ilike in initially inner intersect into is isnull join lateral "
    "leading left like limit localtime localtimestamp natural not notnull null offset on "
    "only or order outer overlaps placing primary references returning right select "
    "session_user similar some symmetric table tablesample then to trailing true union "
    "unique user using variadic verbose when where window with ";

bool IsPlainIdentifier(std::string_view name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

// A bracketed name as PostgreSQL must read it. The schema's tables and columns are created with
// unquoted (folded) names, so the plain name is left bare; a name that PostgreSQL cannot take
// bare is quoted in the folded spelling the schema gives such names.
std::string PostgresName(std::string_view bracketed) {
    const std::string_view name =
        bracketed.substr(1, bracketed.size() - (bracketed.back() == ']' ? 2 : 1));
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool reserved = kPostgresReserved.find(' ' + lower + ' ') != std::string_view::npos;
    if (IsPlainIdentifier(name) && !reserved) return std::string(name);
    std::string quoted = "\"";
    for (char c : lower) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

struct TypeName {
    std::string_view from;
    std::string_view to;
    bool dropLength;  // PostgreSQL's type takes no length
};

// T-SQL column types and their PostgreSQL spelling.
constexpr TypeName kTypeNames[] = {
    {"image", "bytea", true},          {"varbinary", "bytea", true},
    {"binary", "bytea", true},         {"datetime", "timestamp", false},
    {"datetime2", "timestamp", false}, {"smalldatetime", "timestamp", false},
    {"bit", "smallint", false},        {"tinyint", "smallint", false},
    {"ntext", "text", false},          {"nvarchar", "varchar", false},
    {"nchar", "char", false},          {"uniqueidentifier", "uuid", false},
};

// Text types that a case-insensitive collation turns into citext.
constexpr std::string_view kTextTypes[] = {"varchar", "char", "text", "citext"};

struct Piece {
    TokenKind kind;
    std::string text;
};

class PostgresRewriter {
public:
    explicit PostgresRewriter(std::string_view sql) {
        ForEachToken(sql, [this](const Token& t) {
            if (t.kind == TokenKind::BracketName)
                in_.push_back(Piece{TokenKind::Word, PostgresName(t.text)});
            else
                in_.push_back(Piece{t.kind, std::string(t.text)});
        });
    }

    std::string run() {
        const bool createTable = startsWith({"CREATE", "TABLE"}) ||
                                 startsWith({"CREATE", "TEMP", "TABLE"}) ||
                                 startsWith({"CREATE", "TEMPORARY", "TABLE"});
        int depth = 0;
        enum class Slot { None, Name, Type } slot = Slot::None;
        for (std::size_t i = 0; i < in_.size(); ++i) {
            const Piece& p = in_[i];
            const Token t{p.kind, p.text};
            if (IsOther(t, '(')) {
                ++depth;
                if (createTable && depth == 1) slot = Slot::Name;
            } else if (IsOther(t, ')')) {
                --depth;
            } else if (IsOther(t, ',') && createTable && depth == 1) {
                slot = Slot::Name;
            } else if (IsWord(t, "COLLATE")) {
                if (collate(i)) continue;
            } else if (createTable && depth == 1 && slot != Slot::None &&
                       (t.kind == TokenKind::Word || t.kind == TokenKind::QuotedName)) {
                if (slot == Slot::Type) {
                    slot = Slot::None;
                    i = type(i);
                    continue;
                }
                slot = Slot::Type;
            }
            out_.push_back(p);
        }
        std::string text;
        for (const Piece& p : out_) text += p.text;
        return text;
    }

private:
    bool startsWith(std::initializer_list<std::string_view> words) const {
        std::size_t i = 0;
        for (std::string_view word : words) {
            while (i < in_.size() && IsSpace(Token{in_[i].kind, in_[i].text})) ++i;
            if (i == in_.size() || !IsWord(Token{in_[i].kind, in_[i].text}, word)) return false;
            ++i;
        }
        return true;
    }

    std::size_t skipSpace(std::size_t i) const {
        while (i < in_.size() && IsSpace(Token{in_[i].kind, in_[i].text})) ++i;
        return i;
    }

    // The end (exclusive) of a `(…)` length that starts at or after `i`, or `i` when none does;
    // `isMax` tells whether it is T-SQL's `(max)`.
    std::size_t lengthEnd(std::size_t i, bool& isMax) const {
        isMax = false;
        const std::size_t open = skipSpace(i);
        if (open == in_.size() || !IsOther(Token{in_[open].kind, in_[open].text}, '(')) return i;
        std::size_t close = open + 1;
        while (close < in_.size() && !IsOther(Token{in_[close].kind, in_[close].text}, ')')) {
            if (IsWord(Token{in_[close].kind, in_[close].text}, "max")) isMax = true;
            ++close;
        }
        return close == in_.size() ? i : close + 1;
    }

    // Writes the column type at `i` in PostgreSQL's spelling; returns the last input index used.
    std::size_t type(std::size_t i) {
        const std::string& word = in_[i].text;
        bool isMax = false;
        const std::size_t end = lengthEnd(i + 1, isMax);
        for (const TypeName& name : kTypeNames) {
            if (!EqualNoCase(word, name.from)) continue;
            out_.push_back(Piece{TokenKind::Word, std::string(name.to)});
            if (name.dropLength || isMax) return end - 1;
            return i;
        }
        // varchar(max) is PostgreSQL's unbounded text.
        if (isMax && (EqualNoCase(word, "varchar") || EqualNoCase(word, "char"))) {
            out_.push_back(Piece{TokenKind::Word, "text"});
            return end - 1;
        }
        out_.push_back(in_[i]);
        return i;
    }

    // `COLLATE <SQL Server collation>` at `i`. A case-insensitive collation makes the text type
    // it qualifies citext, which compares as the collation did; a case-sensitive one is
    // PostgreSQL's default. Returns false for a collation PostgreSQL knows, which stays.
    bool collate(std::size_t& i) {
        const std::size_t nameAt = skipSpace(i + 1);
        if (nameAt == in_.size() || in_[nameAt].kind != TokenKind::Word) return false;
        const std::string& name = in_[nameAt].text;
        const bool insensitive = ContainsNoCase(name, "_CI");
        if (!insensitive && !ContainsNoCase(name, "_CS")) return false;
        while (!out_.empty() && IsSpace(Token{out_.back().kind, out_.back().text})) out_.pop_back();
        if (insensitive) makeCitext();
        i = nameAt;
        return true;
    }

    // Replaces the text type (with its length) that ends the output so far by citext.
    void makeCitext() {
        std::size_t k = out_.size();
        auto at = [this](std::size_t n) { return Token{out_[n].kind, out_[n].text}; };
        if (k > 0 && IsOther(at(k - 1), ')')) {
            while (k > 0 && !IsOther(at(k - 1), '(')) --k;
            if (k == 0) return;
            --k;
            while (k > 0 && IsSpace(at(k - 1))) --k;
        }
        if (k == 0 || out_[k - 1].kind != TokenKind::Word) return;
        const std::string& typeName = out_[k - 1].text;
        if (!std::any_of(std::begin(kTextTypes), std::end(kTextTypes),
                         [&](std::string_view t) { return EqualNoCase(t, typeName); }))
            return;
        out_.resize(k - 1);
        out_.push_back(Piece{TokenKind::Word, "citext"});
    }

    std::vector<Piece> in_;
    std::vector<Piece> out_;
};

}  // namespace

std::string RewriteForEngine(schema::Engine engine, std::string_view sql) {
    switch (engine) {
        case schema::Engine::SQLite:
            return ForSqlite(sql);
        case schema::Engine::PostgreSQL:
            return PostgresRewriter(sql).run();
        case schema::Engine::SqlServer:
            return std::string(sql);
    }
    return std::string(sql);
}

}  // namespace ghdb::driver
