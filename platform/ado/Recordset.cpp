#include "platform/ado/Recordset.h"

#include <strings.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "drivers/Session.h"
#include "platform/ado/Connection.h"
#include "platform/com/ComError.h"

namespace ghdb {

namespace {

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::size_t SkipSpace(const std::string& s, std::size_t i) {
    while (i < s.size() && IsSpace(s[i])) ++i;
    return i;
}

bool TakeWord(const std::string& s, std::size_t& i, const char* word) {
    const std::size_t n = std::strlen(word);
    if (s.size() - i < n || strncasecmp(s.c_str() + i, word, n) != 0) return false;
    if (i + n < s.size() && !IsSpace(s[i + n]) && s[i + n] != '(' && word[0] != '*') return false;
    i += n;
    return true;
}

struct TableQuery {
    std::string table;
    std::string tail;
};

// `SELECT * FROM <table> [WHERE ...] [ORDER BY ...]` names the rows of one table, which can
// then be changed through the recordset; anything else (joins, column lists, aggregates) is a
// read-only result.
std::optional<TableQuery> ParseTableQuery(const std::string& sql) {
    std::size_t i = SkipSpace(sql, 0);
    if (!TakeWord(sql, i, "SELECT")) return std::nullopt;
    i = SkipSpace(sql, i);
    if (!TakeWord(sql, i, "*")) return std::nullopt;
    i = SkipSpace(sql, i);
    if (!TakeWord(sql, i, "FROM")) return std::nullopt;
    i = SkipSpace(sql, i);
    const std::size_t nameStart = i;
    while (i < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[i])) || sql[i] == '_' ||
                              sql[i] == '.' || sql[i] == '[' || sql[i] == ']'))
        ++i;
    if (i == nameStart) return std::nullopt;
    TableQuery q{sql.substr(nameStart, i - nameStart), ""};
    std::size_t rest = SkipSpace(sql, i);
    if (rest < sql.size()) {
        std::size_t probe = rest;
        if (!TakeWord(sql, probe, "WHERE") && !TakeWord(sql, probe, "ORDER")) return std::nullopt;
        q.tail = sql.substr(rest);
    }
    return q;
}

[[noreturn]] void NotUpdatable() {
    throw _com_error(adErrFeatureNotAvailable,
                     "Current Recordset does not support updating. This may be a limitation of "
                     "the provider, or of the selected locktype.");
}

[[noreturn]] void NoCurrentRecord() {
    throw _com_error(adErrNoCurrentRecord,
                     "Either BOF or EOF is True, or the current record has been deleted. "
                     "Requested operation requires a current record.");
}

struct Criterion {
    std::string column;
    std::string op;
    _variant_t value;
};

std::optional<Criterion> ParseCriterion(const std::string& text) {
    std::size_t i = SkipSpace(text, 0);
    Criterion c;
    if (i < text.size() && text[i] == '[') {
        const std::size_t close = text.find(']', i);
        if (close == std::string::npos) return std::nullopt;
        c.column = text.substr(i + 1, close - i - 1);
        i = close + 1;
    } else {
        const std::size_t start = i;
        while (i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) ||
                                   text[i] == '_' || static_cast<unsigned char>(text[i]) >= 0x80))
            ++i;
        c.column = text.substr(start, i - start);
    }
    i = SkipSpace(text, i);
    const std::size_t opStart = i;
    while (i < text.size() && (text[i] == '=' || text[i] == '<' || text[i] == '>')) ++i;
    c.op = text.substr(opStart, i - opStart);
    if (c.column.empty() || !(c.op == "=" || c.op == "<>" || c.op == "<" || c.op == ">" ||
                              c.op == "<=" || c.op == ">="))
        return std::nullopt;
    i = SkipSpace(text, i);
    std::size_t end = text.size();
    while (end > i && IsSpace(text[end - 1])) --end;
    std::string raw = text.substr(i, end - i);
    if (raw.size() >= 2 && (raw.front() == '\'' || raw.front() == '#') &&
        raw.back() == raw.front()) {
        std::string unquoted;
        for (std::size_t k = 1; k + 1 < raw.size(); ++k) {
            unquoted += raw[k];
            if (raw[k] == '\'' && raw[k + 1] == '\'') ++k;
        }
        c.value = _variant_t(std::move(unquoted));
    } else {
        char* stop = nullptr;
        const double number = std::strtod(raw.c_str(), &stop);
        if (raw.empty() || *stop != '\0') return std::nullopt;
        c.value = _variant_t(number);
    }
    return c;
}

// Three-way comparison of a cell with a criterion value; empty when they cannot be compared.
std::optional<int> CompareCell(const _variant_t& cell, const _variant_t& value) {
    if (cell.IsEmptyOrNull()) return std::nullopt;
    if (value.vt == VT_BSTR) {
        const auto text = VariantToText(cell);
        if (!text) return std::nullopt;
        return strcasecmp(text->c_str(), value.str.c_str());
    }
    const auto number = VariantToR8(cell);
    if (!number) return std::nullopt;
    return *number < value.dblVal ? -1 : *number > value.dblVal ? 1 : 0;
}

bool Meets(int order, const std::string& op) {
    if (op == "=") return order == 0;
    if (op == "<>") return order != 0;
    if (op == "<") return order < 0;
    if (op == ">") return order > 0;
    if (op == "<=") return order <= 0;
    return order >= 0;
}

}  // namespace

Recordset::Recordset() : set_(std::make_unique<driver::RowSet>()) {}

Recordset::~Recordset() = default;

void Recordset::Open(const char* source, const ConnectionPtr& connection, CursorTypeEnum cursorType,
                     LockTypeEnum lockType, long) {
    if (open_) throw _com_error(E_FAIL, "Operation is not allowed when the object is open.");
    if (!connection)
        throw _com_error(E_INVALIDARG, "The connection cannot be used to perform this operation.");
    const std::string sql = source ? source : "";
    connection->Log(sql);
    driver::Session& session = connection->Session();
    const auto tableQuery = lockType == adLockReadOnly ? std::nullopt : ParseTableQuery(sql);
    const bool forward = cursorType == adOpenForwardOnly && lockType == adLockReadOnly;
    std::vector<std::string> names;
    try {
        if (forward) {
            cursor_ = session.openCursor(sql);
            atEnd_ = !cursor_->next();
            for (const auto& c : cursor_->columns()) names.push_back(c.name);
        } else {
            *set_ = tableQuery ? session.queryTable(tableQuery->table, tableQuery->tail)
                               : session.query(sql);
            for (const auto& c : set_->columns) names.push_back(c.name);
        }
    } catch (const driver::DriverError& e) {
        cursor_.reset();
        connection->Raise(e);
    }
    connection_ = connection;
    table_ = tableQuery ? tableQuery->table : std::string();
    deleted_.assign(set_->rows(), 0);
    liveRows_ = static_cast<long>(set_->rows());
    position_ = 0;
    mode_ = Mode::None;
    fields_.Reset(*this, names);
    open_ = true;
}

void Recordset::Close() {
    requireOpen();
    open_ = false;
    connection_.reset();
    cursor_.reset();
    *set_ = driver::RowSet();
    keepOnlyLast_ = false;
    deleted_.clear();
    buffer_.clear();
    dirty_.clear();
    mode_ = Mode::None;
}

void Recordset::requireOpen() const {
    if (!open_)
        throw _com_error(adErrObjectClosed, "Operation is not allowed when the object is closed.");
}

void Recordset::requireUpdatable() const {
    requireOpen();
    if (table_.empty()) NotUpdatable();
}

bool Recordset::isRow(long position) const noexcept {
    return position >= 0 && position < static_cast<long>(set_->rows()) &&
           !deleted_[static_cast<std::size_t>(position)];
}

long Recordset::step(long from, int direction) const noexcept {
    const long rows = static_cast<long>(set_->rows());
    long p = from + direction;
    while (p >= 0 && p < rows && deleted_[static_cast<std::size_t>(p)]) p += direction;
    return p < 0 ? -1 : p > rows ? rows : p;
}

bool Recordset::EndOfFile() const noexcept {
    if (open_ && cursor_) return atEnd_;
    return !open_ || (mode_ != Mode::Added && position_ >= static_cast<long>(set_->rows()));
}

// A set without rows is at both ends at once.
bool Recordset::BOF() const noexcept {
    if (open_ && cursor_) return atEnd_ && position_ == 0;
    return !open_ || position_ < 0 || (liveRows_ == 0 && EndOfFile());
}

void Recordset::requireScrollable() const {
    requireOpen();
    if (cursor_)
        throw _com_error(adErrFeatureNotAvailable, "Rowset does not support fetching backward.");
}

void Recordset::MoveFirst() {
    requireOpen();
    // A forward-only result stands on its first row until it is moved.
    if (cursor_ && position_ == 0) return;
    requireScrollable();
    commitPending();
    position_ = step(-1, 1);
}

void Recordset::MoveLast() {
    requireScrollable();
    commitPending();
    position_ = step(static_cast<long>(set_->rows()), -1);
}

void Recordset::MoveNext() {
    requireOpen();
    commitPending();
    if (EndOfFile()) NoCurrentRecord();
    if (cursor_) {
        try {
            atEnd_ = !cursor_->next();
        } catch (const driver::DriverError& e) {
            raise(e);
        }
        ++position_;
        return;
    }
    position_ = step(position_, 1);
}

void Recordset::MovePrevious() {
    requireScrollable();
    commitPending();
    if (BOF()) NoCurrentRecord();
    position_ = step(position_, -1);
}

// As ADO answers for a forward-only result, whose rows are not counted ahead: -1.
long Recordset::GetRecordCount() const {
    requireOpen();
    return cursor_ ? -1 : liveRows_ + (mode_ == Mode::Added ? 1 : 0);
}

long Recordset::GetBookmark() const {
    requireScrollable();
    // The row just added is marked by the place it takes once the set holds it.
    if (mode_ == Mode::Added) return position_;
    if (mode_ == Mode::Adding || !isRow(position_)) NoCurrentRecord();
    return position_;
}

void Recordset::PutBookmark(long bookmark) {
    requireScrollable();
    commitPending();
    if (!isRow(bookmark)) NoCurrentRecord();
    position_ = bookmark;
}

FieldsPtr Recordset::GetFields() {
    requireOpen();
    return &fields_;
}

void Recordset::commitPending() {
    if (mode_ == Mode::Added)
        settleAdded();
    else if (mode_ != Mode::None)
        Update();
}

void Recordset::settleAdded() {
    for (_variant_t& v : buffer_) set_->values.push_back(std::move(v));
    deleted_.push_back(0);
    ++liveRows_;
    position_ = static_cast<long>(set_->rows()) - 1;
    mode_ = Mode::None;
}

void Recordset::AddNew() {
    requireUpdatable();
    if (mode_ == Mode::Added && keepOnlyLast_) {
        // The row is not kept: only its key went into the set.
        set_->keys.truncate(set_->keys.size() - set_->keyWidth);
        mode_ = Mode::None;
    }
    commitPending();
    mode_ = Mode::Adding;
    buffer_.resize(set_->width());
    // The buffer keeps its text capacity from row to row: adding many rows allocates little.
    for (_variant_t& v : buffer_) v.Clear();
    dirty_.assign(set_->width(), 0);
}

void Recordset::Update() {
    requireUpdatable();
    if (mode_ == Mode::None || mode_ == Mode::Added) return;
    std::vector<driver::Change>& changes = changes_;
    changes.clear();
    for (std::size_t i = 0; i < buffer_.size(); ++i)
        if (dirty_[i]) changes.push_back(driver::Change{i, &buffer_[i]});
    try {
        if (mode_ == Mode::Adding) {
            // The row stays in the buffer, as stored, until the set needs it.
            connection_->Session().insertRow(table_, changes, *set_, buffer_);
            position_ = static_cast<long>(set_->rows());
            mode_ = Mode::Added;
            return;
        }
        connection_->Session().updateRow(table_, changes, *set_,
                                         static_cast<std::size_t>(position_));
    } catch (const driver::DriverError& e) {
        raise(e);
    }
    mode_ = Mode::None;
}

void Recordset::CancelUpdate() noexcept {
    if (mode_ != Mode::Added) mode_ = Mode::None;
}

void Recordset::Delete(AffectEnum) {
    requireUpdatable();
    if (mode_ == Mode::Adding) {
        CancelUpdate();
        return;
    }
    if (mode_ == Mode::Added) settleAdded();
    if (!isRow(position_)) NoCurrentRecord();
    CancelUpdate();
    try {
        connection_->Session().deleteRow(table_, *set_, static_cast<std::size_t>(position_));
    } catch (const driver::DriverError& e) {
        raise(e);
    }
    deleted_[static_cast<std::size_t>(position_)] = 1;
    --liveRows_;
}

void Recordset::Find(const char* criteria, long skip, SearchDirectionEnum direction) {
    requireScrollable();
    const auto criterion = ParseCriterion(criteria ? criteria : "");
    if (!criterion)
        throw _com_error(E_INVALIDARG,
                         "Arguments are of the wrong type, are out of acceptable range, or are in "
                         "conflict with one another.");
    Field* field = fields_.Find(criterion->column.c_str());
    if (!field)
        throw _com_error(adErrItemNotFound,
                         "Item cannot be found in the collection corresponding to the requested "
                         "name or ordinal.");
    commitPending();
    const int dir = direction == adSearchBackward ? -1 : 1;
    const long rows = static_cast<long>(set_->rows());
    long p = position_ + dir * skip;
    if (!isRow(p)) p = step(p, dir);
    const std::size_t column = field->index_;
    for (; p >= 0 && p < rows; p = step(p, dir)) {
        const auto order = CompareCell(
            set_->values[static_cast<std::size_t>(p) * set_->width() + column], criterion->value);
        if (order && Meets(*order, criterion->op)) break;
    }
    position_ = p < 0 ? -1 : p >= rows ? rows : p;
}

const _variant_t& Recordset::value(std::size_t column) const {
    requireOpen();
    if (cursor_) {
        if (atEnd_) NoCurrentRecord();
        return cursor_->value(column);
    }
    if (mode_ != Mode::None) return buffer_[column];
    if (!isRow(position_)) NoCurrentRecord();
    return set_->values[static_cast<std::size_t>(position_) * set_->width() + column];
}

driver::Cell Recordset::cell(std::size_t column) const {
    if (open_ && cursor_) {
        if (atEnd_) NoCurrentRecord();
        return cursor_->cell(column);
    }
    return driver::Cell::Of(value(column));
}

_variant_t& Recordset::slot(std::size_t column) {
    // AddNew found the recordset open and updatable, and Close ends the adding.
    if (mode_ != Mode::Adding) requireUpdatable();
    if (set_->columns[column].identity)
        throw _com_error(DB_E_ERRORSOCCURRED,
                         "Multiple-step operation generated errors. Check each status value.");
    if (mode_ == Mode::Added) settleAdded();
    if (mode_ == Mode::None) {
        if (!isRow(position_)) NoCurrentRecord();
        const std::size_t first = static_cast<std::size_t>(position_) * set_->width();
        buffer_.resize(set_->width());
        for (std::size_t i = 0; i < set_->width(); ++i) buffer_[i] = set_->values[first + i];
        dirty_.assign(set_->width(), 0);
        mode_ = Mode::Editing;
    }
    dirty_[column] = 1;
    return buffer_[column];
}

void Recordset::put(std::size_t column, _variant_t v, bool append) {
    // Only a chunk after the first of this edit adds to the value.
    const bool more = append && (mode_ == Mode::Adding || mode_ == Mode::Editing) &&
                      column < dirty_.size() && dirty_[column];
    _variant_t& target = slot(column);
    if (more) {
        target.str += v.str;
    } else {
        target = std::move(v);
    }
}

void Recordset::raise(const driver::DriverError& error) {
    connection_->Raise(error);
}

}  // namespace ghdb
