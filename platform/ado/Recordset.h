#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ado/AdoTypes.h"
#include "platform/ado/Field.h"

namespace ghdb {

namespace driver {
struct Change;
class Cursor;
class DriverError;
struct RowSet;
}  // namespace driver

// A query result held in memory and navigated there, with a keyset cursor's behaviour: the
// rows are fixed when opened, RecordCount is exact, and a `SELECT * FROM <table> ...` result
// can add, change and delete rows of that table. Opened forward-only and read-only, it instead
// reads one row at a time for a single pass (RecordCount is then -1, as in ADO).
class Recordset {
public:
    static RecordsetPtr Create() { return std::make_shared<Recordset>(); }
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    void Open(const char* source, const ConnectionPtr& connection, CursorTypeEnum cursorType,
              LockTypeEnum lockType, long options);
    void Close();
    long GetState() const noexcept { return open_ ? adStateOpen : adStateClosed; }

    bool EndOfFile() const noexcept;
    bool BOF() const noexcept;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    long GetRecordCount() const;
    // A mark of the current row that PutBookmark returns to.
    long GetBookmark() const;
    void PutBookmark(long bookmark);

    FieldsPtr GetFields();

    void AddNew();
    // From now on a row added is kept only until the next AddNew, unless the recordset moved or
    // changed in between: for a writer that reads each row it adds at most right after adding
    // it, adding many rows then holds none of them.
    void KeepOnlyLastAdded() noexcept { keepOnlyLast_ = true; }
    void Update();
    void CancelUpdate() noexcept;
    void Delete(AffectEnum affect = adAffectCurrent);
    // Moves to the first row from the current one (after skipping `skip` rows) that meets a
    // criterion of the form `Column op value` (op one of = <> < > <= >=); to EOF (or BOF when
    // searching backwards) when none does.
    void Find(const char* criteria, long skip = 0, SearchDirectionEnum direction = adSearchForward);

private:
    friend class Field;
    // Added: the current row is the one just added, held in the buffer until the set needs it
    // (it is then appended at `position_`).
    enum class Mode { None, Adding, Editing, Added };

    void requireOpen() const;
    void requireUpdatable() const;
    void requireScrollable() const;
    void commitPending();
    void settleAdded();
    bool isRow(long position) const noexcept;
    long step(long from, int direction) const noexcept;
    const _variant_t& value(std::size_t column) const;
    driver::Cell cell(std::size_t column) const;
    _variant_t& slot(std::size_t column);
    void put(std::size_t column, _variant_t value, bool append);
    [[noreturn]] void raise(const driver::DriverError& error);

    ConnectionPtr connection_;
    bool open_ = false;
    std::string table_;  // empty for a read-only result
    std::unique_ptr<driver::RowSet> set_;
    std::vector<char> deleted_;
    long liveRows_ = 0;
    long position_ = 0;  // -1 before the first row, rows() after the last
    Mode mode_ = Mode::None;
    std::vector<_variant_t> buffer_;
    std::vector<char> dirty_;
    std::vector<driver::Change> changes_;
    Fields fields_;
    std::unique_ptr<driver::Cursor> cursor_;  // forward-only results
    bool keepOnlyLast_ = false;
    bool atEnd_ = false;
};

}  // namespace ghdb
