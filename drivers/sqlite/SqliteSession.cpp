#include "drivers/sqlite/SqliteSession.h"

#include <sqlite3.h>
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "drivers/Dialect.h"
#include "drivers/RowValues.h"

namespace ghdb::driver {

namespace {

[[noreturn]] void Fail(const std::string& text) {
    throw DriverError({ErrorRecord{text, "SQLite", "", 0}});
}

[[noreturn]] void Fail(sqlite3* db) {
    throw DriverError(
        {ErrorRecord{sqlite3_errmsg(db), "SQLite", "", sqlite3_extended_errcode(db)}});
}

// Text columns of the original server compared without regard to case; statements that name
// its collation must run here too. ASCII letters fold, other bytes compare as they are.
int CompareNoCase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const int n = std::min(lengthA, lengthB);
    const int c = strncasecmp(static_cast<const char*>(a), static_cast<const char*>(b),
                              static_cast<std::size_t>(n));
    if (c != 0) return c;
    return lengthA - lengthB;
}

std::string Quote(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool StartsWithWord(const std::string& sql, const char* word) {
    std::size_t i = 0;
    while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) ++i;
    const std::size_t n = std::strlen(word);
    return sql.size() - i >= n && strncasecmp(sql.c_str() + i, word, n) == 0;
}

_variant_t ColumnValue(sqlite3_stmt* stmt, int i);

// Puts a column into `out`, reusing the text capacity it already has.
void ReadColumnInto(sqlite3_stmt* stmt, int i, _variant_t& out) {
    switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER: {
            const sqlite3_int64 v = sqlite3_column_int64(stmt, i);
            out.str.clear();
            if (v >= INT32_MIN && v <= INT32_MAX) {
                out.vt = VT_I4;
                out.lVal = static_cast<int>(v);
            } else {
                out.vt = VT_I8;
                out.llVal = v;
            }
            return;
        }
        case SQLITE_FLOAT:
            out.str.clear();
            out.vt = VT_R8;
            out.dblVal = sqlite3_column_double(stmt, i);
            return;
        case SQLITE_TEXT:
            out.vt = VT_BSTR;
            out.str.assign(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                           static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
            return;
        default:
            out = ColumnValue(stmt, i);
    }
}

_variant_t ColumnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER: {
            const sqlite3_int64 v = sqlite3_column_int64(stmt, i);
            if (v >= INT32_MIN && v <= INT32_MAX) return _variant_t(static_cast<int>(v));
            return _variant_t(static_cast<long long>(v));
        }
        case SQLITE_FLOAT:
            return _variant_t(sqlite3_column_double(stmt, i));
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            return _variant_t(
                std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
        }
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, i));
            return _variant_t::Bytes(std::string(
                data ? data : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
        }
        default:
            return _variant_t::Null();
    }
}

// Bound values stay alive until the statement has run, so SQLite need not copy them.
int Bind(sqlite3_stmt* stmt, int index, const _variant_t& v) {
    switch (v.vt) {
        case VT_EMPTY:
        case VT_NULL:
            return sqlite3_bind_null(stmt, index);
        case VT_I2:
            return sqlite3_bind_int(stmt, index, v.iVal);
        case VT_I4:
            return sqlite3_bind_int(stmt, index, v.lVal);
        case VT_I8:
            return sqlite3_bind_int64(stmt, index, v.llVal);
        // Flags are stored as 1 and 0, as a bit column holds them.
        case VT_BOOL:
            return sqlite3_bind_int(stmt, index, v.boolVal ? 1 : 0);
        case VT_R4:
            return sqlite3_bind_double(stmt, index, v.fltVal);
        case VT_R8:
            return sqlite3_bind_double(stmt, index, v.dblVal);
        case VT_DATE:
            return sqlite3_bind_double(stmt, index, v.date);
        case VT_BSTR:
            return sqlite3_bind_text64(stmt, index, v.str.data(), v.str.size(), SQLITE_STATIC,
                                       SQLITE_UTF8);
        case VT_BLOB_BYTES:
            return sqlite3_bind_blob64(stmt, index, v.str.data(), v.str.size(), SQLITE_STATIC);
        default:
            return SQLITE_MISMATCH;
    }
}

// Binds a value or raises the failure. A value type that Bind refuses is this layer's own
// error: SQLite knows nothing of it, and its last message would belong to an earlier call.
void BindOrFail(sqlite3* db, sqlite3_stmt* stmt, int index, const _variant_t& v) {
    const int rc = Bind(stmt, index, v);
    if (rc == SQLITE_OK) return;
    if (rc == SQLITE_MISMATCH)
        throw DriverError(
            {ErrorRecord{"A value of type " + std::to_string(v.vt) +
                             " cannot be stored (parameter " + std::to_string(index) + ")",
                         "SQLite", "", SQLITE_MISMATCH}});
    Fail(db);
}

// Steps a statement of its own, so that other statements may run while it is open.
class SqliteCursor final : public Cursor {
public:
    SqliteCursor(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
            SQLITE_OK)
            Fail(db_);
        if (!stmt_) Fail("the statement is empty");
        const int count = sqlite3_column_count(stmt_);
        for (int i = 0; i < count; ++i) {
            const char* name = sqlite3_column_name(stmt_, i);
            columns_.push_back(Column{name ? name : "", false});
        }
        current_.resize(columns_.size());
    }
    ~SqliteCursor() override { sqlite3_finalize(stmt_); }
    SqliteCursor(const SqliteCursor&) = delete;
    SqliteCursor& operator=(const SqliteCursor&) = delete;

    bool next() override {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_DONE) return false;
        if (rc != SQLITE_ROW) Fail(db_);
        current_.advance();
        return true;
    }

    const _variant_t& value(std::size_t column) override {
        return current_.get(column, [&](_variant_t& value) {
            ReadColumnInto(stmt_, static_cast<int>(column), value);
        });
    }

    Cell cell(std::size_t column) override {
        sqlite3_value* v = sqlite3_column_value(stmt_, static_cast<int>(column));
        Cell c;
        switch (sqlite3_value_type(v)) {
            case SQLITE_NULL:
                return c;
            case SQLITE_INTEGER:
                c.kind = Cell::Kind::Integer;
                c.integer = sqlite3_value_int64(v);
                return c;
            case SQLITE_FLOAT:
                c.kind = Cell::Kind::Real;
                c.real = sqlite3_value_double(v);
                return c;
            case SQLITE_TEXT: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
                c.kind = Cell::Kind::Text;
                c.text = std::string_view(text ? text : "",
                                          static_cast<std::size_t>(sqlite3_value_bytes(v)));
                return c;
            }
            default:
                return Cell::Of(value(column));
        }
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    RowValues current_;
};

class SqliteSession final : public Session {
public:
    SqliteSession(const std::string& path, OpenMode mode) {
        int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
        if (mode == OpenMode::CreateIfMissing || path == ":memory:") flags |= SQLITE_OPEN_CREATE;
        if (path.empty()) Fail("no database file named");
        if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
            const std::string text = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            db_ = nullptr;
            Fail(text + ": " + path);
        }
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, 5000);
        sqlite3_create_collation_v2(db_, "Chinese_PRC_CI_AS", SQLITE_UTF8, nullptr, CompareNoCase,
                                    nullptr);
        try {
            // Reading the schema proves the file is a database before anyone relies on it.
            run("PRAGMA schema_version");
            if (path != ":memory:") run("PRAGMA journal_mode=WAL");
            run("PRAGMA synchronous=FULL");
            // Cascades over thousands of layers touch many index pages; a 16 MB page cache keeps
            // them from being read again within one operation.
            run("PRAGMA cache_size=-16000");
            // A nested scope's savepoint keeps the pages it may have to restore in memory rather
            // than in a temporary file made for each scope; the temporary tables and indexes
            // that the same setting keeps in memory stay small for these databases.
            run("PRAGMA temp_store=MEMORY");
        } catch (...) {
            sqlite3_close(db_);
            throw;
        }
    }

    ~SqliteSession() override {
        clearCache();
        sqlite3_close(db_);
    }

    schema::Engine engine() const override { return schema::Engine::SQLite; }

    void execute(const std::string& sql) override {
        const std::string text = RewriteForEngine(schema::Engine::SQLite, sql);
        if (StartsWithWord(text, "CREATE") || StartsWithWord(text, "DROP") ||
            StartsWithWord(text, "ALTER")) {
            tables_.clear();
            writes_.clear();
            lastWrite_.stmt = nullptr;
            insert_.stmt = nullptr;
        }
        run(text);
    }

    RowSet query(const std::string& sql) override {
        sqlite3_stmt* stmt = prepare(RewriteForEngine(schema::Engine::SQLite, sql));
        RowSet set;
        read(stmt, set, 0);
        return set;
    }

    std::unique_ptr<Cursor> openCursor(const std::string& sql) override {
        return std::make_unique<SqliteCursor>(db_, RewriteForEngine(schema::Engine::SQLite, sql));
    }

    RowSet queryTable(const std::string& table, const std::string& tail) override {
        const TableInfo& info = tableInfo(table);
        sqlite3_stmt* stmt = prepare(
            RewriteForEngine(schema::Engine::SQLite, "SELECT rowid, * FROM " + table + " " + tail));
        RowSet set;
        set.keyWidth = 1;
        read(stmt, set, 1);
        markIdentity(set, info);
        return set;
    }

    void insertRow(const std::string& table, const std::vector<Change>& values, RowSet& set,
                   std::vector<_variant_t>& row) override {
        const InsertPlan& plan = insertPlan(table, values, set);
        bindAll(plan.stmt, values, nullptr);
        if (plan.complete) {
            stepDone(plan.stmt);
            const sqlite3_int64 rowid = sqlite3_last_insert_rowid(db_);
            const _variant_t key = rowid >= INT32_MIN && rowid <= INT32_MAX
                                       ? _variant_t(static_cast<int>(rowid))
                                       : _variant_t(static_cast<long long>(rowid));
            // The written values stand in `row` as stored; the others are the new rowid or NULL.
            for (std::size_t i = 0; i < set.width(); ++i) {
                const int from = plan.source[i];
                if (from == kStoredKey || (i == plan.rowidColumn && row[i].IsEmptyOrNull()))
                    row[i] = key;
                else if (from == kStoredNull)
                    row[i] = _variant_t::Null();
            }
            set.keys.push_back(key);
            return;
        }
        sqlite3_stmt* stmt = plan.stmt;
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW || sqlite3_column_count(stmt) != static_cast<int>(set.width()) + 1) {
            sqlite3_reset(stmt);
            if (rc == SQLITE_ROW) Fail("the inserted row could not be read back");
            Fail(db_);
        }
        // The row is read back whole before the statement ends: `row` changes only once the
        // insert has succeeded.
        returned_.resize(set.width() + 1);
        for (int i = 0; i <= static_cast<int>(set.width()); ++i)
            returned_[static_cast<std::size_t>(i)] = ColumnValue(stmt, i);
        stepDone(stmt);
        for (std::size_t i = 0; i < set.width(); ++i) row[i] = std::move(returned_[i + 1]);
        set.keys.push_back(std::move(returned_[0]));
    }

    void updateRow(const std::string& table, const std::vector<Change>& changes, RowSet& set,
                   std::size_t row) override {
        if (changes.empty()) return;
        sqlite3_stmt* stmt = writeStatement('U', table, changes, [&] {
            std::string sql = "UPDATE " + table + " SET ";
            for (std::size_t i = 0; i < changes.size(); ++i)
                sql += (i ? ", " : "") + Quote(set.columns[changes[i].column].name) + " = ?";
            return sql + " WHERE rowid = ?";
        });
        bindAll(stmt, changes, &set.keys[row]);
        stepDone(stmt);
        if (sqlite3_changes(db_) == 0)
            Fail(
                "Row cannot be located for updating. Some values may have been changed since it "
                "was last read.");
        for (const Change& c : changes) set.values[row * set.width() + c.column] = *c.value;
    }

    void deleteRow(const std::string& table, const RowSet& set, std::size_t row) override {
        sqlite3_stmt* stmt = prepare(
            RewriteForEngine(schema::Engine::SQLite, "DELETE FROM " + table + " WHERE rowid = ?"));
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        BindOrFail(db_, stmt, 1, set.keys[row]);
        stepDone(stmt);
        if (sqlite3_changes(db_) == 0)
            Fail("Row handle referred to a deleted row or a row marked for deletion.");
    }

    // SQLite undoes a failed statement by itself; the transaction goes on either way.
    // IMMEDIATE takes the write lock at once, under the busy timeout: a deferred transaction
    // that has read cannot wait for the lock when it first writes, and fails at once instead.
    void begin(TransactionKind) override { run("BEGIN IMMEDIATE"); }
    void commit() override { run("COMMIT"); }
    void rollback() override { run("ROLLBACK"); }
    void savepoint(const std::string& name, TransactionKind) override { run("SAVEPOINT " + name); }
    void releaseSavepoint(const std::string& name) override { run("RELEASE " + name); }
    bool inTransaction() override { return sqlite3_get_autocommit(db_) == 0; }
    // The immediate transaction already excludes every other writer.
    void serialise(const std::string&) override {}
    void rollbackToSavepoint(const std::string& name) override {
        run("ROLLBACK TO " + name);
        run("RELEASE " + name);
    }

private:
    // What an insert that leaves a column out stores in it, when that is known without
    // reading the row back.
    enum class Unwritten : char { Unknown, Null, Rowid };

    struct TableInfo {
        std::string identity;              // the AUTOINCREMENT column, empty when none
        std::vector<Unwritten> unwritten;  // per column of `SELECT *`
    };

    // Where an insert's stored value of each column comes from (a written value, or one of
    // these), and the statement that writes the given columns; kept for the last columns
    // written, since rows are added in runs that write the same ones.
    static constexpr int kStoredKey = -1;
    static constexpr int kStoredNull = -2;
    struct InsertPlan {
        std::string table;
        std::vector<std::size_t> columns;
        std::size_t width = 0;
        sqlite3_stmt* stmt = nullptr;  // owned by cache_; null when none
        // The stored row is known without reading it back: written values, the new rowid and
        // NULLs.
        bool complete = false;
        std::vector<int> source;  // per column of the set: the written value's index, or above
        std::size_t rowidColumn = SIZE_MAX;
    };

    const InsertPlan& insertPlan(const std::string& table, const std::vector<Change>& values,
                                 const RowSet& set) {
        InsertPlan& plan = insert_;
        if (plan.stmt && plan.width == set.width() && plan.table == table &&
            plan.columns.size() == values.size() &&
            std::equal(values.begin(), values.end(), plan.columns.begin(),
                       [](const Change& c, std::size_t column) { return c.column == column; })) {
            // Every parameter is bound again.
            sqlite3_reset(plan.stmt);
            return plan;
        }
        plan = InsertPlan();
        const TableInfo& info = tableInfo(table);
        const bool described = info.unwritten.size() == set.width();
        plan.source.assign(set.width(), kStoredNull);
        for (std::size_t i = 0; i < values.size(); ++i)
            plan.source[values[i].column] = static_cast<int>(i);
        plan.complete = true;
        for (std::size_t c = 0; c < set.width(); ++c) {
            const Unwritten unwritten = described ? info.unwritten[c] : Unwritten::Unknown;
            if (unwritten == Unwritten::Rowid) plan.rowidColumn = c;
            if (plan.source[c] >= 0) continue;
            if (set.columns[c].identity || unwritten == Unwritten::Rowid)
                plan.source[c] = kStoredKey;
            else if (unwritten != Unwritten::Null)
                plan.complete = false;
        }
        const bool complete = plan.complete;
        plan.stmt = writeStatement(complete ? 'C' : 'I', table, values, [&] {
            std::string sql = "INSERT INTO " + table;
            if (values.empty()) {
                sql += " DEFAULT VALUES";
            } else {
                std::string names, marks;
                for (const Change& c : values) {
                    if (!names.empty()) names += ", ", marks += ", ";
                    names += Quote(set.columns[c.column].name);
                    marks += '?';
                }
                sql += " (" + names + ") VALUES (" + marks + ")";
            }
            return complete ? sql : sql + " RETURNING rowid, *";
        });
        plan.table = table;
        for (const Change& c : values) plan.columns.push_back(c.column);
        plan.width = set.width();
        return plan;
    }

    const TableInfo& tableInfo(const std::string& table) {
        const std::string key = Lower(table);
        if (auto it = tables_.find(key); it != tables_.end()) return it->second;
        TableInfo info;
        sqlite3_stmt* stmt = prepare(
            "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
        sqlite3_reset(stmt);
        sqlite3_bind_text(stmt, 1, table.c_str(), -1, SQLITE_TRANSIENT);
        std::string ddl;
        if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0))
            ddl = Lower(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_reset(stmt);
        // Columns without a default store NULL when left out; the one INTEGER key is the rowid.
        // Generated columns are worked out by the engine.
        sqlite3_stmt* layout = prepare(
            "SELECT dflt_value IS NULL, pk, upper(type) = 'INTEGER', hidden FROM "
            "pragma_table_xinfo(?)");
        sqlite3_reset(layout);
        sqlite3_bind_text(layout, 1, table.c_str(), -1, SQLITE_TRANSIENT);
        std::size_t keys = 0, integerKey = SIZE_MAX;
        while (sqlite3_step(layout) == SQLITE_ROW) {
            const int hidden = sqlite3_column_int(layout, 3);
            if (hidden == 1) continue;  // a virtual table's hidden column is not in `SELECT *`
            if (sqlite3_column_int(layout, 1) > 0) {
                ++keys;
                if (sqlite3_column_int(layout, 2)) integerKey = info.unwritten.size();
            }
            info.unwritten.push_back(hidden == 0 && sqlite3_column_int(layout, 0)
                                         ? Unwritten::Null
                                         : Unwritten::Unknown);
        }
        sqlite3_reset(layout);
        if (keys == 1 && integerKey != SIZE_MAX && ddl.find("without rowid") == std::string::npos)
            info.unwritten[integerKey] = Unwritten::Rowid;
        if (ddl.find("autoincrement") != std::string::npos) {
            sqlite3_stmt* columns = prepare("SELECT name FROM pragma_table_info(?) WHERE pk = 1");
            sqlite3_reset(columns);
            sqlite3_bind_text(columns, 1, table.c_str(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(columns) == SQLITE_ROW)
                info.identity = reinterpret_cast<const char*>(sqlite3_column_text(columns, 0));
            sqlite3_reset(columns);
        }
        return tables_.emplace(key, std::move(info)).first->second;
    }

    static void markIdentity(RowSet& set, const TableInfo& info) {
        if (info.identity.empty()) return;
        for (Column& c : set.columns)
            if (strcasecmp(c.name.c_str(), info.identity.c_str()) == 0) c.identity = true;
    }

    // The statement that writes the given columns of a table, kept per table and column set so
    // that adding many rows neither formats nor parses a statement per row. Rows come in runs
    // that write the same columns: the statement of the last write is found without a key.
    template <class MakeSql>
    sqlite3_stmt* writeStatement(char kind, const std::string& table,
                                 const std::vector<Change>& columns, MakeSql makeSql) {
        if (lastWrite_.stmt && lastWrite_.kind == kind && lastWrite_.table == table &&
            lastWrite_.columns.size() == columns.size() &&
            std::equal(columns.begin(), columns.end(), lastWrite_.columns.begin(),
                       [](const Change& c, std::size_t column) { return c.column == column; })) {
            sqlite3_reset(lastWrite_.stmt);
            sqlite3_clear_bindings(lastWrite_.stmt);
            return lastWrite_.stmt;
        }
        sqlite3_stmt* stmt = cachedWrite(kind, table, columns, makeSql);
        lastWrite_.kind = kind;
        lastWrite_.table = table;
        lastWrite_.columns.clear();
        for (const Change& c : columns) lastWrite_.columns.push_back(c.column);
        lastWrite_.stmt = stmt;
        return stmt;
    }

    template <class MakeSql>
    sqlite3_stmt* cachedWrite(char kind, const std::string& table,
                              const std::vector<Change>& columns, MakeSql makeSql) {
        // Column positions name the columns: every updatable set of a table lists them alike.
        std::string key(1, kind);
        key += table;
        key += '\0';
        for (const Change& c : columns) {
            key += static_cast<char>(c.column & 0xff);
            key += static_cast<char>(c.column >> 8);
        }
        if (auto it = writes_.find(key); it != writes_.end()) {
            sqlite3_reset(it->second);
            sqlite3_clear_bindings(it->second);
            return it->second;
        }
        sqlite3_stmt* stmt = prepare(RewriteForEngine(schema::Engine::SQLite, makeSql()));
        writes_.emplace(std::move(key), stmt);
        return stmt;
    }

    // Prepared statements are kept per text: the library issues the same few statements over
    // and over (one per record class and operation).
    sqlite3_stmt* prepare(const std::string& sql) {
        if (auto it = cache_.find(sql); it != cache_.end()) {
            sqlite3_reset(it->second);
            sqlite3_clear_bindings(it->second);
            return it->second;
        }
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()),
                               SQLITE_PREPARE_PERSISTENT, &stmt, &tail) != SQLITE_OK)
            Fail(db_);
        if (!stmt) Fail("the statement is empty");
        if (cache_.size() >= kCacheLimit) clearCache();
        cache_.emplace(sql, stmt);
        return stmt;
    }

    void clearCache() {
        writes_.clear();
        lastWrite_.stmt = nullptr;
        insert_.stmt = nullptr;
        for (auto& [sql, stmt] : cache_) sqlite3_finalize(stmt);
        cache_.clear();
    }

    // Runs every statement of a text (DDL scripts may hold several), without caching.
    void run(const std::string& sql) {
        const char* rest = sql.c_str();
        while (*rest) {
            sqlite3_stmt* stmt = nullptr;
            const char* tail = nullptr;
            if (sqlite3_prepare_v2(db_, rest, -1, &stmt, &tail) != SQLITE_OK) Fail(db_);
            rest = tail;
            if (!stmt) continue;  // blank text or a comment
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            }
            sqlite3_finalize(stmt);
            if (rc != SQLITE_DONE) Fail(db_);
        }
    }

    void bindAll(sqlite3_stmt* stmt, const std::vector<Change>& values, const _variant_t* key) {
        int index = 1;
        for (const Change& c : values) BindOrFail(db_, stmt, index++, *c.value);
        if (key) BindOrFail(db_, stmt, index, *key);
    }

    void stepDone(sqlite3_stmt* stmt) {
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) {
            sqlite3_reset(stmt);
            Fail(db_);
        }
        sqlite3_reset(stmt);
    }

    // Reads every row; the first `keyColumns` result columns are the row identity.
    void read(sqlite3_stmt* stmt, RowSet& set, int keyColumns) {
        const int count = sqlite3_column_count(stmt);
        set.columns.clear();
        for (int i = keyColumns; i < count; ++i) {
            const char* name = sqlite3_column_name(stmt, i);
            set.columns.push_back(Column{name ? name : "", false});
        }
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (int i = 0; i < keyColumns; ++i) set.keys.push_back(ColumnValue(stmt, i));
            for (int i = keyColumns; i < count; ++i) set.values.push_back(ColumnValue(stmt, i));
        }
        if (rc != SQLITE_DONE) {
            sqlite3_reset(stmt);
            Fail(db_);
        }
        sqlite3_reset(stmt);
    }

    static constexpr std::size_t kCacheLimit = 256;
    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> cache_;
    std::unordered_map<std::string, sqlite3_stmt*> writes_;  // statements owned by cache_
    struct LastWrite {
        char kind = 0;
        std::string table;
        std::vector<std::size_t> columns;
        sqlite3_stmt* stmt = nullptr;  // owned by cache_; null when none
    };
    LastWrite lastWrite_;
    InsertPlan insert_;
    std::vector<_variant_t> returned_;  // an inserted row read back: its rowid, then its values
    std::unordered_map<std::string, TableInfo> tables_;
};

}  // namespace

std::unique_ptr<Session> OpenSqlite(const std::string& path, OpenMode mode) {
    return std::make_unique<SqliteSession>(path, mode);
}

}  // namespace ghdb::driver
