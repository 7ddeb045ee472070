#include "drivers/odbc/OdbcSession.h"

#include <strings.h>

#include <functional>
#include <unordered_map>

#include "drivers/Dialect.h"
#include "drivers/SqlText.h"
#include "drivers/odbc/OdbcHandle.h"
#include "drivers/odbc/OdbcValue.h"
#include "drivers/odbc/ServerStatements.h"

namespace ghdb::driver {

namespace {

using odbc::ColumnType;
using odbc::Handle;
using odbc::Parameters;
using schema::Engine;

constexpr const char* kNotLocated =
    "Row cannot be located for updating. Some values may have been changed since it was last "
    "read.";
constexpr const char* kDeletedRow =
    "Row handle referred to a deleted row or a row marked for deletion.";
// Shields the transaction from one failing statement on PostgreSQL.
constexpr const char* kStatementSavepoint = "ghdb_statement";

bool EqualNoCase(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// Disconnects a connected handle before it is freed.
class Link {
public:
    explicit Link(SQLHDBC dbc) noexcept : dbc_(dbc) {}
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;
    ~Link() { SQLDisconnect(dbc_); }

private:
    SQLHDBC dbc_;
};

class OdbcSession final : public Session {
public:
    OdbcSession(const std::string& connectionString, const std::string& source)
        : source_(source.empty() ? "ODBC" : source), env_(odbc::NewEnvironment()) {
        SQLHANDLE dbc = SQL_NULL_HANDLE;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env_.get(), &dbc)))
            odbc::Fail(SQL_HANDLE_ENV, env_.get(), source_, "no connection handle");
        dbc_ = Handle(SQL_HANDLE_DBC, dbc);
        SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(15), 0);
        std::string text = connectionString;
        const SQLRETURN rc = SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                              SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
        if (!SQL_SUCCEEDED(rc))
            odbc::Fail(SQL_HANDLE_DBC, dbc, source_, "the database could not be opened");
        link_ = std::make_unique<Link>(dbc);
        if (source.empty()) source_ = info(SQL_DRIVER_NAME);
        identify();
        SQLHANDLE stmt = SQL_NULL_HANDLE;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt)))
            odbc::Fail(SQL_HANDLE_DBC, dbc, source_, "no statement handle");
        direct_ = Handle(SQL_HANDLE_STMT, stmt);
        if (engine_ == Engine::PostgreSQL) {
            run("SET client_encoding TO 'UTF8'");
            // Statements name tables bare and as dbo.<table>; both must find the same table.
            // A role that may not create the schema still finds it when it exists.
            try {
                run("CREATE SCHEMA IF NOT EXISTS dbo");
            } catch (const DriverError&) {
            }
            run("SET search_path = dbo, public");
        }
    }

    ~OdbcSession() override {
        cache_.clear();
        direct_.reset();
        if (inTransaction_) SQLEndTran(SQL_HANDLE_DBC, dbc_.get(), SQL_ROLLBACK);
    }

    Engine engine() const override { return engine_; }

    void execute(const std::string& sql) override {
        const std::string text = RewriteForEngine(engine_, sql);
        if (ChangesSchema(text)) forgetTables();
        guarded([&] { run(text); });
    }

    RowSet query(const std::string& sql) override {
        const std::string text = RewriteForEngine(engine_, sql);
        RowSet set;
        guarded([&] {
            set = RowSet();
            runQuery(text, set, nullptr);
        });
        return set;
    }

    RowSet queryTable(const std::string& table, const std::string& tail) override {
        const std::string target = RewriteForEngine(engine_, table);
        std::string text = "SELECT * FROM ";
        text += target;
        if (!tail.empty()) {
            text += ' ';
            text += RewriteForEngine(engine_, tail);
        }
        RowSet set;
        TableInfo* info = nullptr;
        guarded([&] {
            set = RowSet();
            info = &tableInfo(target);
            runQuery(text, set, nullptr);
        });
        if (set.width() != info->names.size())
            odbc::Fail(source_, "the table changed while it was read");
        for (std::size_t i = 0; i < set.columns.size(); ++i) {
            const Catalogued* c = info->find(set.columns[i].name);
            set.columns[i].identity = c && c->identity;
        }
        set.keyWidth = info->keyColumns.size();
        for (std::size_t row = 0; row < set.rows(); ++row)
            set.appendKey(info->keyColumns, set.values, row * set.width());
        return set;
    }

    void insertRow(const std::string& table, const std::vector<Change>& values, RowSet& set,
                   std::vector<_variant_t>& row) override {
        const std::string target = RewriteForEngine(engine_, table);
        std::vector<std::string> columns;
        Parameters params;
        RowSet stored;
        guarded([&] {
            TableInfo& info = tableInfo(target);
            columns.clear();
            for (const Change& c : values) {
                columns.push_back(odbc::QuoteName(engine_, set.columns[c.column].name));
                params.add(*c.value, info.typeOf(c.column));
            }
            stored = RowSet();
            runPrepared(odbc::InsertReturning(engine_, target, columns), params, &stored);
        });
        if (stored.rows() != 1 || stored.width() != set.width())
            odbc::Fail(source_, "the inserted row could not be read back");
        for (std::size_t i = 0; i < set.width(); ++i) row[i] = std::move(stored.values[i]);
        set.appendKey(tableInfo(target).keyColumns, row, 0);
    }

    void updateRow(const std::string& table, const std::vector<Change>& changes, RowSet& set,
                   std::size_t row) override {
        if (changes.empty()) return;
        const std::string target = RewriteForEngine(engine_, table);
        RowSet stored;
        guarded([&] {
            TableInfo& info = tableInfo(target);
            std::vector<std::string> columns;
            Parameters params;
            for (const Change& c : changes) {
                columns.push_back(odbc::QuoteName(engine_, set.columns[c.column].name));
                params.add(*c.value, info.typeOf(c.column));
            }
            const auto key = keyOf(info, set, row, params);
            stored = RowSet();
            runPrepared(odbc::UpdateOneReturning(engine_, target, columns, key), params, &stored);
        });
        if (stored.rows() == 0) odbc::Fail(source_, kNotLocated);
        const std::size_t width = set.width();
        for (std::size_t i = 0; i < width && i < stored.width(); ++i)
            set.values[row * width + i] = std::move(stored.values[i]);
        const TableInfo& info = tableInfo(target);
        for (std::size_t k = 0; k < set.keyWidth && k < info.keyColumns.size(); ++k)
            set.keys[row * set.keyWidth + k] = set.values[row * width + info.keyColumns[k]];
    }

    void deleteRow(const std::string& table, const RowSet& set, std::size_t row) override {
        const std::string target = RewriteForEngine(engine_, table);
        SQLLEN affected = 0;
        guarded([&] {
            TableInfo& info = tableInfo(target);
            Parameters params;
            const auto key = keyOf(info, set, row, params);
            affected = runPrepared(odbc::DeleteOne(engine_, target, key), params, nullptr);
        });
        if (affected == 0) odbc::Fail(source_, kDeletedRow);
    }

    void begin(TransactionKind kind) override {
        setAutocommit(false);
        inTransaction_ = true;
        keepGoing_.assign(1, kind == TransactionKind::Cascade);
        const std::string start = odbc::TransactionStartStatement(engine_);
        if (start.empty()) return;
        try {
            run(start);
        } catch (const DriverError&) {
            rollback();
            throw;
        }
    }

    void commit() override { endTransaction(SQL_COMMIT); }
    void rollback() override { endTransaction(SQL_ROLLBACK); }

    void savepoint(const std::string& name, TransactionKind kind) override {
        run(odbc::SavepointStatement(engine_, name));
        keepGoing_.push_back(kind == TransactionKind::Cascade);
    }

    void releaseSavepoint(const std::string& name) override {
        if (keepGoing_.size() > 1) keepGoing_.pop_back();
        const std::string sql = odbc::ReleaseSavepointStatement(engine_, name);
        if (!sql.empty()) run(sql);
    }

    void rollbackToSavepoint(const std::string& name) override {
        run(odbc::RollbackToSavepointStatement(engine_, name));
        releaseSavepoint(name);
    }

    bool inTransaction() override {
        if (!inTransaction_ || connectionLost()) return false;
        // SQL Server rolls back the whole transaction for some errors (a deadlock, a doomed
        // transaction); PostgreSQL keeps it unless the link is gone.
        if (engine_ != Engine::SqlServer) return true;
        try {
            RowSet set;
            runQuery("SELECT @@TRANCOUNT", set, nullptr);
            return set.rows() == 1 && VariantToI4(set.values[0]).value_or(0) > 0;
        } catch (const DriverError&) {
            return false;
        }
    }

    void serialise(const std::string& name) override {
        const std::string sql = odbc::SerialiseStatement(engine_, name);
        if (!sql.empty()) guarded([&] { run(sql); });
    }

    bool connectionLost() override {
        SQLUINTEGER dead = SQL_CD_FALSE;
        return SQL_SUCCEEDED(SQLGetConnectAttr(dbc_.get(), SQL_ATTR_CONNECTION_DEAD, &dead,
                                               SQL_IS_UINTEGER, nullptr)) &&
               dead == SQL_CD_TRUE;
    }

private:
    struct Catalogued {
        std::string name;
        bool identity = false;
        bool primary = false;
    };

    struct TableInfo {
        std::vector<Catalogued> columns;
        std::vector<std::string> names;       // of `SELECT *`, by position
        std::vector<ColumnType> types;        // of `SELECT *`, by position
        std::vector<std::size_t> keyColumns;  // positions that make up a row's identity

        const Catalogued* find(const std::string& name) const {
            for (const Catalogued& c : columns)
                if (EqualNoCase(c.name, name)) return &c;
            return nullptr;
        }
        const ColumnType* typeOf(std::size_t column) const {
            return column < types.size() ? &types[column] : nullptr;
        }
    };

    std::string info(SQLUSMALLINT what) const {
        char text[256] = {};
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(SQLGetInfo(dbc_.get(), what, text, sizeof text, &length)))
            odbc::Fail(SQL_HANDLE_DBC, dbc_.get(), source_, "the driver did not describe itself");
        return text;
    }

    void identify() {
        const std::string dbms = info(SQL_DBMS_NAME);
        if (dbms.find("PostgreSQL") != std::string::npos)
            engine_ = Engine::PostgreSQL;
        else if (dbms.find("SQL Server") != std::string::npos)
            engine_ = Engine::SqlServer;
        else
            odbc::Fail(source_,
                       "ghdb works with PostgreSQL and Microsoft SQL Server through "
                       "ODBC; this connection reaches " +
                           dbms);
    }

    // Values that an engine can compare with `=`; SQL Server cannot compare its legacy text and
    // image types.
    bool comparable(const ColumnType& type) const {
        if (engine_ != Engine::SqlServer) return true;
        return type.sqlType != SQL_LONGVARCHAR && type.sqlType != SQL_WLONGVARCHAR &&
               type.sqlType != SQL_LONGVARBINARY;
    }

    // The condition that finds row `row` of `set`; its values are added to `params`.
    std::vector<odbc::KeyPart> keyOf(const TableInfo& info, const RowSet& set, std::size_t row,
                                     Parameters& params) const {
        std::vector<odbc::KeyPart> key;
        for (std::size_t k = 0; k < set.keyWidth && k < info.keyColumns.size(); ++k) {
            const std::size_t column = info.keyColumns[k];
            const _variant_t& value = set.keys[row * set.keyWidth + k];
            key.push_back(odbc::KeyPart{odbc::QuoteName(engine_, set.columns[column].name),
                                        value.IsEmptyOrNull()});
            if (!value.IsEmptyOrNull()) params.add(value, info.typeOf(column));
        }
        if (key.empty())
            odbc::Fail(source_, "Insufficient key column information for updating or refreshing.");
        return key;
    }

    // What the catalogue says of a table's columns, their types as a query returns them, and
    // the columns that identify a row: the primary key, else every comparable column.
    TableInfo& tableInfo(const std::string& table) {
        if (auto it = tables_.find(table); it != tables_.end()) return it->second;
        TableInfo info;
        Parameters params;
        params.add(_variant_t(table));
        RowSet rows;
        runPrepared(odbc::TableColumnsQuery(engine_), params, &rows);
        for (std::size_t r = 0; r < rows.rows(); ++r) {
            const auto flag = [&](std::size_t c) {
                return VariantToI4(rows.values[r * rows.width() + c]).value_or(0) != 0;
            };
            info.columns.push_back(Catalogued{
                VariantToText(rows.values[r * rows.width()]).value_or(""), flag(1), flag(2)});
        }
        RowSet shape;
        runQuery("SELECT * FROM " + table + " WHERE 1 = 0", shape, &info.types);
        info.names.reserve(shape.width());
        for (std::size_t i = 0; i < shape.width(); ++i) {
            info.names.push_back(shape.columns[i].name);
            if (const Catalogued* c = info.find(shape.columns[i].name); c && c->primary)
                info.keyColumns.push_back(i);
        }
        if (info.keyColumns.empty()) {
            for (std::size_t i = 0; i < info.types.size(); ++i)
                if (comparable(info.types[i])) info.keyColumns.push_back(i);
        }
        return tables_.emplace(table, std::move(info)).first->second;
    }

    void forgetTables() {
        tables_.clear();
        // Prepared statements may hold plans of the tables' old shape.
        cache_.clear();
    }

    // Runs `work` so that on PostgreSQL a failure inside a transaction leaves the transaction
    // usable, as a failing statement on SQL Server does.
    // Only a scope that goes on after failures needs this; one that stops at the first failure
    // is rolled back anyway, and saves two round trips per statement.
    void guarded(const std::function<void()>& work) {
        if (engine_ != Engine::PostgreSQL || !inTransaction_ || !keepGoing_.back()) {
            work();
            return;
        }
        run(odbc::SavepointStatement(engine_, kStatementSavepoint));
        try {
            work();
        } catch (const DriverError&) {
            try {
                run(odbc::RollbackToSavepointStatement(engine_, kStatementSavepoint));
                run(odbc::ReleaseSavepointStatement(engine_, kStatementSavepoint));
            } catch (const DriverError&) {
            }
            throw;
        }
        run(odbc::ReleaseSavepointStatement(engine_, kStatementSavepoint));
    }

    void check(SQLRETURN rc, SQLHSTMT stmt) const {
        if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
            odbc::Fail(SQL_HANDLE_STMT, stmt, source_, "the statement failed");
    }

    // Every further result of a batch, so that an error in a later statement is reported.
    void drain(SQLHSTMT stmt) const {
        SQLRETURN rc;
        while ((rc = SQLMoreResults(stmt)) != SQL_NO_DATA) check(rc, stmt);
    }

    void run(const std::string& sql) {
        SQLHSTMT stmt = direct_.get();
        SQLFreeStmt(stmt, SQL_CLOSE);
        std::string text = sql;
        check(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS), stmt);
        drain(stmt);
        SQLFreeStmt(stmt, SQL_CLOSE);
    }

    void runQuery(const std::string& sql, RowSet& set, std::vector<ColumnType>* types) {
        SQLHSTMT stmt = direct_.get();
        SQLFreeStmt(stmt, SQL_CLOSE);
        std::string text = sql;
        const SQLRETURN rc = SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
        check(rc, stmt);
        if (rc != SQL_NO_DATA) read(stmt, set, types);
        SQLFreeStmt(stmt, SQL_CLOSE);
    }

    // Executes a statement with parameters (prepared once per text); reads its rows into `set`
    // when given. Returns the number of rows the statement changed.
    SQLLEN runPrepared(const std::string& sql, Parameters& params, RowSet* set) {
        SQLHSTMT stmt = prepared(sql);
        struct Reset {
            SQLHSTMT stmt;
            ~Reset() {
                SQLFreeStmt(stmt, SQL_CLOSE);
                SQLFreeStmt(stmt, SQL_RESET_PARAMS);
            }
        } reset{stmt};
        params.bind(stmt, source_);
        const SQLRETURN rc = SQLExecute(stmt);
        check(rc, stmt);
        // A searched UPDATE or DELETE that met no row has no result, not even an empty one.
        if (rc == SQL_NO_DATA) return 0;
        SQLLEN affected = 0;
        SQLRowCount(stmt, &affected);
        if (set) read(stmt, *set, nullptr);
        return affected;
    }

    SQLHSTMT prepared(const std::string& sql) {
        if (auto it = cache_.find(sql); it != cache_.end()) {
            SQLFreeStmt(it->second.get(), SQL_CLOSE);
            SQLFreeStmt(it->second.get(), SQL_RESET_PARAMS);
            return it->second.get();
        }
        SQLHANDLE raw = SQL_NULL_HANDLE;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_.get(), &raw)))
            odbc::Fail(SQL_HANDLE_DBC, dbc_.get(), source_, "no statement handle");
        Handle stmt(SQL_HANDLE_STMT, raw);
        std::string text = sql;
        if (!SQL_SUCCEEDED(SQLPrepare(raw, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS)))
            odbc::Fail(SQL_HANDLE_STMT, raw, source_, "the statement could not be prepared");
        if (cache_.size() >= kCacheLimit) cache_.clear();
        return cache_.emplace(sql, std::move(stmt)).first->second.get();
    }

    // Reads every row of the current result, then the rest of the batch.
    void read(SQLHSTMT stmt, RowSet& set, std::vector<ColumnType>* types) {
        const auto columns = odbc::DescribeResult(stmt, source_);
        set.columns.clear();
        if (types) types->clear();
        for (const auto& c : columns) {
            set.columns.push_back(Column{c.name, false});
            if (types) types->push_back(c.type);
        }
        if (!columns.empty()) {
            for (;;) {
                const SQLRETURN rc = SQLFetch(stmt);
                if (rc == SQL_NO_DATA) break;
                check(rc, stmt);
                for (std::size_t i = 0; i < columns.size(); ++i)
                    set.values.push_back(odbc::ReadValue(stmt, static_cast<SQLUSMALLINT>(i + 1),
                                                         columns[i].type, source_));
            }
        }
        drain(stmt);
    }

    void setAutocommit(bool on) {
        if (!SQL_SUCCEEDED(SQLSetConnectAttr(
                dbc_.get(), SQL_ATTR_AUTOCOMMIT,
                reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF),
                SQL_IS_UINTEGER)))
            odbc::Fail(SQL_HANDLE_DBC, dbc_.get(), source_,
                       "the transaction mode could not be set");
    }

    void endTransaction(SQLSMALLINT completion) {
        inTransaction_ = false;
        keepGoing_.clear();
        const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, dbc_.get(), completion);
        std::vector<ErrorRecord> failure;
        if (!SQL_SUCCEEDED(rc)) {
            failure = odbc::Diagnostics(SQL_HANDLE_DBC, dbc_.get(), source_);
            if (failure.empty())
                failure.push_back(ErrorRecord{"the transaction could not end", source_, "", 0});
            SQLEndTran(SQL_HANDLE_DBC, dbc_.get(), SQL_ROLLBACK);
        }
        setAutocommit(true);
        if (!failure.empty()) throw DriverError(std::move(failure));
    }

    static constexpr std::size_t kCacheLimit = 256;
    std::string source_;
    Engine engine_ = Engine::SqlServer;
    bool inTransaction_ = false;
    std::vector<bool> keepGoing_;  // per open transaction scope, innermost last
    // Declared in the order they are set up: statements go before the link, the link before
    // the connection handle, that before the environment.
    Handle env_;
    Handle dbc_;
    std::unique_ptr<Link> link_;
    Handle direct_;
    std::unordered_map<std::string, Handle> cache_;
    std::unordered_map<std::string, TableInfo> tables_;
};

}  // namespace

std::unique_ptr<Session> OpenOdbc(const std::string& connectionString, const std::string& source) {
    return std::make_unique<OdbcSession>(connectionString, source);
}

}  // namespace ghdb::driver
