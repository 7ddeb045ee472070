#include "drivers/pg/PgRows.h"

namespace ghdb::driver::pg {

ResultShape::ResultShape(const PGresult* result) {
    const int count = PQnfields(result);
    columns.reserve(static_cast<std::size_t>(count));
    types.reserve(static_cast<std::size_t>(count));
    kinds.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const char* name = PQfname(result, i);
        columns.push_back(Column{name ? name : "", false});
        types.push_back(PQftype(result, i));
        kinds.push_back(KindOf(types.back()));
    }
}

void ReadResultValue(const PGresult* result, int row, int column, ValueKind kind, _variant_t& out) {
    if (PQgetisnull(result, row, column)) {
        out.vt = VT_NULL;
        out.str.clear();
        return;
    }
    ReadValue(PQgetvalue(result, row, column), PQgetlength(result, row, column), kind, out);
}

void ReadRow(const PGresult* result, int row, const std::vector<ValueKind>& kinds,
             std::vector<_variant_t>& out) {
    out.resize(kinds.size());
    for (std::size_t c = 0; c < kinds.size(); ++c)
        ReadResultValue(result, row, static_cast<int>(c), kinds[c], out[c]);
}

void AppendRow(const PGresult* result, int row, const std::vector<ValueKind>& kinds,
               ValueStore& out) {
    for (std::size_t c = 0; c < kinds.size(); ++c) {
        _variant_t value;
        ReadResultValue(result, row, static_cast<int>(c), kinds[c], value);
        out.push_back(std::move(value));
    }
}

void ReadAllRows(Link& link, const std::string& sql, RowSet& set, std::vector<Oid>* types) {
    Parameters none;
    link.startRows(sql, none, Reuse::OnRepeat, nullptr);
    Result result = link.nextResult();
    const ResultShape shape(result.get());
    set.columns = shape.columns;
    if (types) *types = shape.types;
    while (PQresultStatus(result.get()) == PGRES_SINGLE_TUPLE) {
        AppendRow(result.get(), 0, shape.kinds, set.values);
        result = link.nextResult();
    }
}

StreamCursor::StreamCursor(std::shared_ptr<Link> link, const std::string& sql)
    : link_(std::move(link)) {
    Parameters none;
    link_->startRows(sql, none, Reuse::OnRepeat, this);
    first_ = link_->nextResult();
    shape_.emplace(first_.get());
    columns_ = shape_->columns;
    read_.resize(columns_.size());
    if (PQresultStatus(first_.get()) != PGRES_SINGLE_TUPLE) {
        ended_ = true;
        first_.reset();
    }
}

StreamCursor::~StreamCursor() {
    link_->discardRows(this);
}

bool StreamCursor::next() {
    read_.advance();
    current_.reset();
    if (first_) {
        current_ = std::move(first_);
        return true;
    }
    if (aheadNext_ < ahead_.size()) {
        aheadCurrent_ = aheadNext_;
        aheadNext_ += shape_->kinds.size();
        return true;
    }
    if (failure_) {
        const DriverError failure = std::move(*failure_);
        failure_.reset();
        throw failure;
    }
    if (ended_) return false;
    Result result;
    try {
        result = link_->nextResult();
    } catch (const DriverError&) {
        ended_ = true;
        throw;
    }
    if (PQresultStatus(result.get()) != PGRES_SINGLE_TUPLE) {
        ended_ = true;
        return false;
    }
    current_ = std::move(result);
    return true;
}

const _variant_t& StreamCursor::value(std::size_t column) {
    if (!current_) return ahead_[aheadCurrent_ + column];
    return read_.get(column, [&](_variant_t& value) {
        ReadResultValue(current_.get(), 0, static_cast<int>(column), shape_->kinds[column], value);
    });
}

Cell StreamCursor::cell(std::size_t column) {
    if (!current_) return Cell::Of(ahead_[aheadCurrent_ + column]);
    const int c = static_cast<int>(column);
    Cell cell;
    if (PQgetisnull(current_.get(), 0, c)) return cell;
    if (ReadCell(PQgetvalue(current_.get(), 0, c), PQgetlength(current_.get(), 0, c),
                 shape_->kinds[column], cell))
        return cell;
    return Cell::Of(value(column));
}

void StreamCursor::readAhead() {
    try {
        while (!ended_) {
            const Result result = link_->nextResult();
            if (PQresultStatus(result.get()) != PGRES_SINGLE_TUPLE) {
                ended_ = true;
                break;
            }
            AppendRow(result.get(), 0, shape_->kinds, ahead_);
        }
    } catch (const DriverError& e) {
        ended_ = true;
        failure_ = e;
    }
}

}  // namespace ghdb::driver::pg
