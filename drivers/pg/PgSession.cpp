#include "drivers/pg/PgSession.h"

#include <strings.h>

#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "drivers/Dialect.h"
#include "drivers/SqlText.h"
#include "drivers/odbc/ServerStatements.h"
#include "drivers/pg/PgConnectionString.h"
#include "drivers/pg/PgLink.h"
#include "drivers/pg/PgRows.h"
#include "drivers/pg/PgValue.h"

namespace ghdb::driver {

namespace {

using pg::Link;
using pg::Parameters;
using pg::Result;
using pg::Reuse;
using schema::Engine;

constexpr Engine kEngine = Engine::PostgreSQL;
constexpr const char* kSource = "PostgreSQL";
constexpr const char* kNotLocated =
    "Row cannot be located for updating. Some values may have been changed since it was last "
    "read.";
constexpr const char* kDeletedRow =
    "Row handle referred to a deleted row or a row marked for deletion.";
// Shields the transaction from one failing statement, in scopes that go on after failures.
constexpr const char* kStatementSavepoint = "ghdb_statement";

// Statements name tables bare and as dbo.<table>; both must find the same table. A role that
// may not create the schema still finds it when it exists. One round trip.
constexpr const char* kSessionSetUp =
    "SET DateStyle TO ISO, MDY; SET bytea_output TO hex; SET extra_float_digits TO 3; "
    "DO $$BEGIN IF to_regnamespace('dbo') IS NULL THEN CREATE SCHEMA dbo; END IF; "
    "EXCEPTION WHEN OTHERS THEN NULL; END$$; "
    "SET search_path = dbo, public; "
    "SELECT COALESCE(CAST(to_regtype('citext') AS oid), 0)";

[[noreturn]] void Fail(const std::string& text, const char* sqlState = "") {
    throw DriverError({ErrorRecord{text, kSource, sqlState, 0}});
}

// The statements written for ODBC mark parameters with `?`; libpq numbers them.
std::string Numbered(std::string_view sql) {
    std::string out;
    out.reserve(sql.size() + 16);
    int number = 0;
    ForEachToken(sql, [&](const Token& t) {
        if (t.kind == TokenKind::Other && t.text == "?") {
            out += '$';
            out += std::to_string(++number);
        } else {
            out += t.text;
        }
    });
    return out;
}

std::string Rewrite(std::string_view sql) {
    return RewriteForEngine(kEngine, sql);
}

class PgSession final : public Session {
public:
    explicit PgSession(const std::string& connectionString)
        : link_(std::make_shared<Link>(pg::ToLibpqParameters(connectionString))) {
        const Result citext = link_->exec(kSessionSetUp);
        citext_ = static_cast<Oid>(std::strtoul(PQgetvalue(citext.get(), 0, 0), nullptr, 10));
    }

    ~PgSession() override {
        // A cursor may keep the connection open after the session: its transaction ends here.
        if (inTransaction_) {
            try {
                link_->exec("ROLLBACK");
            } catch (const DriverError&) {
            }
        }
    }

    Engine engine() const override { return kEngine; }

    void execute(const std::string& sql) override {
        const std::string text = Rewrite(sql);
        if (guarding()) {
            // The statement between its savepoint and the savepoint's release, in one round
            // trip; the line breaks keep a trailing comment from hiding the release.
            try {
                link_->exec(odbc::SavepointStatement(kEngine, kStatementSavepoint) + ";\n" + text +
                            "\n;" + odbc::ReleaseSavepointStatement(kEngine, kStatementSavepoint));
            } catch (const DriverError&) {
                undoStatement();
                throw;
            }
        } else {
            link_->exec(text);
        }
        if (ChangesSchema(text)) forgetTables();
    }

    RowSet query(const std::string& sql) override {
        const std::string text = Rewrite(sql);
        RowSet set;
        guarded([&] {
            set = RowSet();
            pg::ReadAllRows(*link_, text, set, nullptr);
        });
        return set;
    }

    std::unique_ptr<Cursor> openCursor(const std::string& sql) override {
        // A failure half-way through the rows could not be undone alone any more.
        if (guarding()) return Session::openCursor(sql);
        return std::make_unique<pg::StreamCursor>(link_, Rewrite(sql));
    }

    RowSet queryTable(const std::string& table, const std::string& tail) override {
        const std::string target = Rewrite(table);
        std::string text = "SELECT * FROM " + target;
        if (!tail.empty()) text += ' ' + Rewrite(tail);
        RowSet set;
        TableInfo* info = nullptr;
        guarded([&] {
            set = RowSet();
            std::vector<Oid> types;
            pg::ReadAllRows(*link_, text, set, &types);
            info = &tableInfo(target, &types);
            // Changed by another connection since this one described it.
            if (info->types != types) {
                tables_.erase(target);
                insert_ = InsertText();
                info = &tableInfo(target, &types);
            }
        });
        if (set.width() != info->columns.size()) Fail("the table changed while it was read");
        for (std::size_t i = 0; i < set.width(); ++i)
            set.columns[i].identity = info->columns[i].identity;
        set.keyWidth = info->keyColumns.size();
        for (std::size_t row = 0; row < set.rows(); ++row)
            set.appendKey(info->keyColumns, set.values, row * set.width());
        return set;
    }

    void insertRow(const std::string& table, const std::vector<Change>& values, RowSet& set,
                   std::vector<_variant_t>& row) override {
        Result stored;
        const InsertText* text = nullptr;
        bool lean = true;
        guarded([&] {
            text = &insertText(table, values, set);
            const TableInfo& info = *text->info;
            Parameters params;
            readBack_.resize(values.size());
            lean = true;
            for (std::size_t i = 0; i < values.size(); ++i) {
                const std::size_t column = values[i].column;
                params.add(*values[i].value, info.isBytea(column));
                if (lean && text->returnedAt[column] < 0)
                    lean = pg::ReadBackValue(*values[i].value, info.forms[column], readBack_[i]);
            }
            stored = link_->run(lean ? text->lean : text->full, params, Reuse::Always);
        });
        const TableInfo& info = *text->info;
        const int width = static_cast<int>(set.width());
        if (!lean) {
            if (PQntuples(stored.get()) != 1 || PQnfields(stored.get()) != width)
                Fail("the inserted row could not be read back");
            pg::ReadRow(stored.get(), 0, info.kinds, row);
        } else {
            if (std::strcmp(PQcmdTuples(stored.get()), "1") != 0 ||
                PQnfields(stored.get()) != text->returned)
                Fail("the inserted row could not be read back");
            // A written column that is not returned stands as the engine stores it.
            for (int c = 0; c < width; ++c) {
                const auto column = static_cast<std::size_t>(c);
                const int at = text->returnedAt[column];
                if (at < 0) {
                    row[column] =
                        std::move(readBack_[static_cast<std::size_t>(text->writtenAt[column])]);
                } else {
                    pg::ReadResultValue(stored.get(), 0, at, info.kinds[column], row[column]);
                }
            }
        }
        set.appendKey(info.keyColumns, row, 0);
    }

    void updateRow(const std::string& table, const std::vector<Change>& changes, RowSet& set,
                   std::size_t row) override {
        if (changes.empty()) return;
        const std::string target = Rewrite(table);
        Result stored;
        TableInfo* info = nullptr;
        guarded([&] {
            info = &tableInfo(target, nullptr);
            std::vector<std::string> columns;
            Parameters params;
            for (const Change& c : changes) {
                columns.push_back(odbc::QuoteName(kEngine, set.columns[c.column].name));
                params.add(*c.value, info->isBytea(c.column));
            }
            const auto key = keyOf(*info, set, row, params);
            stored = link_->run(Numbered(odbc::UpdateOneReturning(kEngine, target, columns, key)),
                                params, Reuse::Always);
        });
        if (PQntuples(stored.get()) == 0) Fail(kNotLocated);
        std::vector<_variant_t> values;
        pg::ReadRow(stored.get(), 0, pg::ResultShape(stored.get()).kinds, values);
        const std::size_t width = set.width();
        for (std::size_t i = 0; i < width && i < values.size(); ++i)
            set.values[row * width + i] = std::move(values[i]);
        for (std::size_t k = 0; k < set.keyWidth && k < info->keyColumns.size(); ++k)
            set.keys[row * set.keyWidth + k] = set.values[row * width + info->keyColumns[k]];
    }

    void deleteRow(const std::string& table, const RowSet& set, std::size_t row) override {
        const std::string target = Rewrite(table);
        Result done;
        guarded([&] {
            TableInfo& info = tableInfo(target, nullptr);
            Parameters params;
            const auto key = keyOf(info, set, row, params);
            done =
                link_->run(Numbered(odbc::DeleteOne(kEngine, target, key)), params, Reuse::Always);
        });
        if (std::strtol(PQcmdTuples(done.get()), nullptr, 10) == 0) Fail(kDeletedRow);
    }

    void begin(TransactionKind kind) override {
        link_->exec("BEGIN");
        inTransaction_ = true;
        keepGoing_.assign(1, kind == TransactionKind::Cascade);
    }

    void commit() override {
        const bool open = inTransaction_;
        endTransaction();
        if (!open) Fail("The transaction was ended by the database.", "25000");
        const Result done = link_->exec("COMMIT");
        // COMMIT of a transaction that a failed statement left aborted rolls it back instead.
        if (std::strcmp(PQcmdStatus(done.get()), "ROLLBACK") == 0)
            Fail("The transaction was rolled back: a statement in it had failed.", "40000");
    }

    void rollback() override {
        endTransaction();
        link_->exec("ROLLBACK");
    }

    void savepoint(const std::string& name, TransactionKind kind) override {
        link_->exec(odbc::SavepointStatement(kEngine, name));
        keepGoing_.push_back(kind == TransactionKind::Cascade);
    }

    void releaseSavepoint(const std::string& name) override {
        if (keepGoing_.size() > 1) keepGoing_.pop_back();
        link_->exec(odbc::ReleaseSavepointStatement(kEngine, name));
    }

    void rollbackToSavepoint(const std::string& name) override {
        link_->exec(odbc::RollbackToSavepointStatement(kEngine, name));
        releaseSavepoint(name);
    }

    bool inTransaction() override {
        if (!inTransaction_) return false;
        if (connectionLost()) {
            endTransaction();
            return false;
        }
        switch (link_->transactionStatus()) {
            case PQTRANS_INTRANS:
            case PQTRANS_ACTIVE:
                return true;
            case PQTRANS_INERROR:
                // A failed statement aborted the transaction. An open savepoint scope can still
                // undo it; without one the transaction is doomed, and is rolled back at once so
                // that the connection can be used again.
                if (keepGoing_.size() > 1) return true;
                rollbackQuietly();
                return false;
            default:
                // Ended by the server, or by a COMMIT or ROLLBACK statement of the caller's.
                endTransaction();
                return false;
        }
    }

    void serialise(const std::string& name) override {
        guarded([&] { link_->exec(odbc::SerialiseStatement(kEngine, name)); });
    }

    bool connectionLost() override { return link_->lost(); }

private:
    struct Catalogued {
        bool identity = false;
        bool primary = false;
    };

    struct TableInfo {
        std::vector<Catalogued> columns;      // of `SELECT *`, by position
        std::vector<Oid> types;               // of `SELECT *`, by position
        std::vector<pg::ValueKind> kinds;     // of `SELECT *`, by position
        std::vector<pg::StoredForm> forms;    // of `SELECT *`, by position
        std::vector<std::size_t> keyColumns;  // positions that make up a row's identity

        bool isBytea(std::size_t column) const {
            return column < types.size() && types[column] == pg::kByteaOid;
        }
    };

    // The statements that insert the given columns, kept while one table is filled so that
    // adding many rows formats them once. The full one returns the stored row; the lean one
    // only the columns whose stored value cannot be told from the written one (identities,
    // defaults, types the server reformats), for rows whose written values all allow it.
    struct InsertText {
        std::string table;  // as the caller names it
        const TableInfo* info = nullptr;
        std::vector<std::size_t> columns;
        std::string full;
        std::string lean;
        std::vector<int> returnedAt;  // per column: its place in the lean result, or -1
        std::vector<int> writtenAt;   // per column: its place among the written values, or -1
        int returned = 0;             // columns in the lean result
    };

    bool guarding() const { return inTransaction_ && keepGoing_.back(); }

    void endTransaction() {
        inTransaction_ = false;
        keepGoing_.clear();
    }

    void rollbackQuietly() {
        endTransaction();
        try {
            link_->exec("ROLLBACK");
        } catch (const DriverError&) {
        }
    }

    void undoStatement() {
        try {
            link_->exec(odbc::RollbackToSavepointStatement(kEngine, kStatementSavepoint) + "; " +
                        odbc::ReleaseSavepointStatement(kEngine, kStatementSavepoint));
        } catch (const DriverError&) {
        }
    }

    // Runs `work` so that in a scope that goes on after failures, a failed statement undoes
    // only itself. A scope that stops at the first failure is rolled back anyway, and saves the
    // round trips.
    template <class Work>
    void guarded(Work&& work) {
        if (!guarding()) {
            work();
            return;
        }
        link_->exec(odbc::SavepointStatement(kEngine, kStatementSavepoint));
        try {
            work();
        } catch (const DriverError&) {
            undoStatement();
            throw;
        }
        link_->exec(odbc::ReleaseSavepointStatement(kEngine, kStatementSavepoint));
    }

    void forgetTables() {
        tables_.clear();
        insert_ = InsertText();
        // Prepared queries may hold the tables' old shape.
        link_->forgetStatements();
    }

    const InsertText& insertText(const std::string& table, const std::vector<Change>& values,
                                 const RowSet& set) {
        bool same =
            insert_.info && insert_.table == table && insert_.columns.size() == values.size();
        for (std::size_t i = 0; same && i < values.size(); ++i)
            same = insert_.columns[i] == values[i].column;
        if (same) return insert_;
        insert_ = InsertText();
        const std::string target = Rewrite(table);
        const TableInfo& info = tableInfo(target, nullptr);
        if (info.columns.size() != set.width()) Fail("the table changed while it was read");
        const auto quoted = [&](std::size_t c) {
            return odbc::QuoteName(kEngine, set.columns[c].name);
        };
        std::vector<std::string> columns;
        insert_.writtenAt.assign(set.width(), -1);
        for (std::size_t i = 0; i < values.size(); ++i) {
            columns.push_back(quoted(values[i].column));
            insert_.columns.push_back(values[i].column);
            insert_.writtenAt[values[i].column] = static_cast<int>(i);
        }
        std::vector<std::string> returned;
        for (std::size_t c = 0; c < set.width(); ++c) {
            const bool told = insert_.writtenAt[c] >= 0 && !set.columns[c].identity &&
                              info.forms[c] != pg::StoredForm::Unknown;
            insert_.returnedAt.push_back(told ? -1 : static_cast<int>(returned.size()));
            if (!told) returned.push_back(quoted(c));
        }
        insert_.returned = static_cast<int>(returned.size());
        insert_.full = Numbered(odbc::InsertReturning(kEngine, target, columns));
        insert_.lean = Numbered(odbc::InsertReturning(kEngine, target, columns, &returned));
        insert_.table = table;
        insert_.info = &info;
        return insert_;
    }

    // The condition that finds row `row` of `set`; its values are added to `params`.
    std::vector<odbc::KeyPart> keyOf(const TableInfo& info, const RowSet& set, std::size_t row,
                                     Parameters& params) const {
        std::vector<odbc::KeyPart> key;
        for (std::size_t k = 0; k < set.keyWidth && k < info.keyColumns.size(); ++k) {
            const std::size_t column = info.keyColumns[k];
            const _variant_t& value = set.keys[row * set.keyWidth + k];
            key.push_back(odbc::KeyPart{odbc::QuoteName(kEngine, set.columns[column].name),
                                        value.IsEmptyOrNull()});
            if (!value.IsEmptyOrNull()) params.add(value, info.isBytea(column));
        }
        if (key.empty()) Fail("Insufficient key column information for updating or refreshing.");
        return key;
    }

    // What the catalogue says of a table's columns, their types as `SELECT *` returns them
    // (`types`, when the caller has just read them), and the columns that identify a row: the
    // primary key, else every column.
    TableInfo& tableInfo(const std::string& table, const std::vector<Oid>* types) {
        if (auto it = tables_.find(table); it != tables_.end()) return it->second;
        TableInfo info;
        Parameters params;
        params.add(_variant_t(table));
        const Result rows =
            link_->run(Numbered(odbc::TableColumnsQuery(kEngine)), params, Reuse::Always);
        for (int r = 0; r < PQntuples(rows.get()); ++r) {
            const auto flag = [&](int c) {
                return std::strcmp(PQgetvalue(rows.get(), r, c), "1") == 0;
            };
            info.columns.push_back(Catalogued{flag(1), flag(2)});
            if (info.columns.back().primary) info.keyColumns.push_back(info.columns.size() - 1);
        }
        if (types) {
            info.types = *types;
        } else {
            RowSet shape;
            pg::ReadAllRows(*link_, "SELECT * FROM " + table + " WHERE 1 = 0", shape, &info.types);
        }
        if (info.types.size() != info.columns.size()) Fail("the table changed while it was read");
        for (Oid type : info.types) {
            info.kinds.push_back(pg::KindOf(type));
            info.forms.push_back(pg::StoredFormOf(type, citext_, link_->serverVersion() >= 120000));
        }
        if (info.keyColumns.empty())
            for (std::size_t i = 0; i < info.columns.size(); ++i) info.keyColumns.push_back(i);
        return tables_.emplace(table, std::move(info)).first->second;
    }

    std::shared_ptr<Link> link_;
    bool inTransaction_ = false;
    std::vector<bool> keepGoing_;  // per open transaction scope, innermost last
    std::unordered_map<std::string, TableInfo> tables_;
    InsertText insert_;
    std::vector<_variant_t> readBack_;  // the stored values of the row being inserted
    Oid citext_ = 0;
};

}  // namespace

std::unique_ptr<Session> OpenPostgres(const std::string& connectionString) {
    return std::make_unique<PgSession>(connectionString);
}

}  // namespace ghdb::driver
