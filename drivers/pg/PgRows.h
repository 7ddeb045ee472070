#pragma once

#include <libpq-fe.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drivers/RowValues.h"
#include "drivers/Session.h"
#include "drivers/pg/PgLink.h"
#include "drivers/pg/PgValue.h"

namespace ghdb::driver::pg {

// The columns of a result and how each one's text becomes a value.
struct ResultShape {
    std::vector<Column> columns;
    std::vector<Oid> types;
    std::vector<ValueKind> kinds;

    explicit ResultShape(const PGresult* result);
};

// Reads column `column` of row `row` of `result` into `out` (a NULL as VT_NULL); `out` keeps
// its text capacity.
void ReadResultValue(const PGresult* result, int row, int column, ValueKind kind, _variant_t& out);
// Puts row `row` of `result` into `out` (one value per column, of the given kinds), reusing its
// values' capacity.
void ReadRow(const PGresult* result, int row, const std::vector<ValueKind>& kinds,
             std::vector<_variant_t>& out);
// Appends row `row` of `result` to `out`.
void AppendRow(const PGresult* result, int row, const std::vector<ValueKind>& kinds,
               ValueStore& out);

// Reads every row of `sql` (no parameters) into `set`; the column types when asked for.
void ReadAllRows(Link& link, const std::string& sql, RowSet& set, std::vector<Oid>* types);

// The rows of a query for one forward pass, arriving one at a time so that memory stays
// bounded however large the result. Other statements may run while it is open: it then reads
// its remaining rows ahead first.
class StreamCursor final : public Cursor, private Stream {
public:
    StreamCursor(std::shared_ptr<Link> link, const std::string& sql);
    ~StreamCursor() override;
    StreamCursor(const StreamCursor&) = delete;
    StreamCursor& operator=(const StreamCursor&) = delete;

    bool next() override;
    const _variant_t& value(std::size_t column) override;
    Cell cell(std::size_t column) override;

private:
    void readAhead() override;

    std::shared_ptr<Link> link_;
    std::optional<ResultShape> shape_;
    Result first_;    // the first row, read when the query was opened
    Result current_;  // the current row, unless it was read ahead
    bool ended_ = false;
    // Rows read ahead, and a failure met while reading them, reported in its turn.
    ValueStore ahead_;
    std::size_t aheadNext_ = 0;     // the first value of the next row read ahead
    std::size_t aheadCurrent_ = 0;  // the first value of the current row, when read ahead
    std::optional<DriverError> failure_;
    RowValues read_;  // of the current row, when it was not read ahead
};

}  // namespace ghdb::driver::pg
