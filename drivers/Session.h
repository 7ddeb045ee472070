#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "drivers/Cell.h"
#include "drivers/ValueStore.h"
#include "platform/ado/TransactionKind.h"
#include "platform/com/Variant.h"
#include "schema/Engine.h"

namespace ghdb::driver {

// One diagnostic of the engine, as the engine worded it.
struct ErrorRecord {
    std::string description;
    std::string source;
    std::string sqlState;
    long nativeError = 0;
};

class DriverError : public std::runtime_error {
public:
    explicit DriverError(std::vector<ErrorRecord> records)
        : std::runtime_error(records.empty() ? std::string("database error")
                                             : records.back().description),
          records_(std::move(records)) {}
    const std::vector<ErrorRecord>& records() const noexcept { return records_; }

private:
    std::vector<ErrorRecord> records_;
};

struct Column {
    std::string name;
    bool identity = false;  // the database assigns the value; writes are refused
};

// A query result, fully read. Sets opened for update also carry each row's identity, in the
// driver's own terms (a rowid, a primary key, or the row's original values).
struct RowSet {
    std::vector<Column> columns;
    ValueStore values;  // row-major, columns.size() values per row
    std::size_t keyWidth = 0;
    ValueStore keys;  // row-major, keyWidth values per row

    std::size_t width() const noexcept { return columns.size(); }
    std::size_t rows() const noexcept {
        return columns.empty() ? 0 : values.size() / columns.size();
    }
    // Appends the key of the row whose values start at `row[first]`, for a driver that names a
    // row by its values in `keyColumns`.
    template <class Values>
    void appendKey(const std::vector<std::size_t>& keyColumns, const Values& row,
                   std::size_t first) {
        for (std::size_t column : keyColumns) keys.push_back(row[first + column]);
    }
};

// One column value of an insert or update: the column's index in the set and its new value.
struct Change {
    std::size_t column;
    _variant_t* value;
};

// The rows of a query read one after the other, for a single forward pass. A column of the
// current row is read only when asked for.
class Cursor {
public:
    virtual ~Cursor() = default;
    const std::vector<Column>& columns() const noexcept { return columns_; }
    // Moves to the next row (the first, on the first call); false after the last row.
    virtual bool next() = 0;
    // Column `column` of the current row, valid until the next move.
    virtual const _variant_t& value(std::size_t column) = 0;
    // The same column as the engine holds it.
    virtual Cell cell(std::size_t column) { return Cell::Of(value(column)); }

protected:
    std::vector<Column> columns_;
};

// The seam between the recordset layer and an engine. Every failure raises DriverError.
class Session {
public:
    virtual ~Session() = default;

    virtual schema::Engine engine() const = 0;

    // A statement that returns no rows.
    virtual void execute(const std::string& sql) = 0;
    // A read-only query.
    virtual RowSet query(const std::string& sql) = 0;
    // A read-only query for one forward pass. An engine that cannot keep a result open beside
    // other statements reads it whole first.
    virtual std::unique_ptr<Cursor> openCursor(const std::string& sql);
    // `SELECT * FROM <table> <tail>`, with the identity of each row, for updating through
    // insertRow, updateRow and deleteRow.
    virtual RowSet queryTable(const std::string& table, const std::string& tail) = 0;
    // Inserts one row of `set`'s table. `row` holds a value per column of `set`; `values` point
    // at the ones to write. Leaves the row as stored in `row` (identity columns and defaults
    // filled in) and appends its key to `set.keys`; the row itself is for the caller to keep.
    virtual void insertRow(const std::string& table, const std::vector<Change>& values, RowSet& set,
                           std::vector<_variant_t>& row) = 0;
    // Writes `changes` to the stored row `row` of `set` and then into `set` itself; fails when
    // the row is no longer there.
    virtual void updateRow(const std::string& table, const std::vector<Change>& changes,
                           RowSet& set, std::size_t row) = 0;
    virtual void deleteRow(const std::string& table, const RowSet& set, std::size_t row) = 0;

    // A transaction scope either stops at the first failure (and is rolled back), or keeps
    // going after failed statements (a cascade), in which case a failed statement must undo
    // only itself. A transaction takes the write lock when it begins, waiting for other writers
    // as long as a single statement would.
    virtual void begin(TransactionKind kind) = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual void savepoint(const std::string& name, TransactionKind kind) = 0;
    virtual void releaseSavepoint(const std::string& name) = 0;
    // Undoes the work since the savepoint and ends it.
    virtual void rollbackToSavepoint(const std::string& name) = 0;
    // Whether the engine still holds the transaction that begin() opened: false once it has
    // rolled it back by itself.
    virtual bool inTransaction() = 0;
    // Until the transaction ends, no other transaction that serialises on `name` runs.
    virtual void serialise(const std::string& name) = 0;
    // Whether the link to the engine is gone for good (the server went away).
    virtual bool connectionLost() { return false; }
};

enum class OpenMode { Existing, CreateIfMissing };

// Opens the engine that the connection string names.
std::unique_ptr<Session> OpenSession(const std::string& connectionString,
                                     OpenMode mode = OpenMode::Existing);

}  // namespace ghdb::driver
