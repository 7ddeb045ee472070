#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>

#include "frame/Columns.h"
#include "frame/DBBaseClass.h"
#include "frame/ObjectArrays.h"
#include "frame/RecordsetPtr.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// The connection of an access object and the generic record operations built on it. The
// configuration and MIS access objects each own one; records read or written through it are
// attached to `owner` when one is given.
//
// Several objects may share one connection (copies of an MIS access object do): it is closed
// when the last of them lets it go.
//
// Status values: 2 success, 1 no row (or no connection), -1 database error already reported.
class CRecordAccess {
public:
    enum class UpdateFailure { Notice, Report };
    // What DeleteRecordInfo is given: a statement to run, or a query whose rows it removes.
    enum class Deleting { Statement, RowsOfQuery };

    explicit CRecordAccess(CBaseClassAccess* owner, UpdateFailure updateFailure,
                           Deleting deleting = Deleting::Statement);
    ~CRecordAccess();
    CRecordAccess(const CRecordAccess&) = delete;
    CRecordAccess& operator=(const CRecordAccess&) = delete;

    // 0 connected (or already), -2 no connection string, -3 the open failed (reported).
    long CreateConnection();
    // Lets the connection go; it is closed unless another object still shares it.
    void ReleaseConnection();
    // Uses `other`'s connection and connection string instead of its own.
    void ShareConnection(const CRecordAccess& other);
    // Replaces the connection: 0, -2 or -3 as CreateConnection.
    long SetConnectionString(const char* connectionString);
    const CString& ConnectionString() const noexcept { return connectionString_; }
    const ConnectionPtr& Connection() const noexcept { return connection_; }

    // Shows the last provider error (or the connection failure) titled as a database error.
    void ReportError() const;

    long ReadOneRecordInfo(const CString& sql, CDBBaseClass* record);
    long ReadMultiRecordInfo(const CString& sql, CMultiDBBaseClass* record);
    long EditOneRecordInfo(const CString& sql, CDBBaseClass* record);
    long EditMultiRecordInfo(const CString& sql, CMultiDBBaseClass* record);
    long AddNewOneRecordInfo(const CString& sql, CDBBaseClass* record);
    // Runs a statement that returns no rows. An object that deletes by query removes every row
    // of the query `sql` instead, all or none: 2 when it had rows, 1 when it had none.
    long DeleteRecordInfo(const CString& sql);
    // As DeleteRecordInfo, without any message: -1 on failure.
    long ExecuteSilently(const CString& sql);
    long CheckRecordInfoEmpty(const CString& sql, int& hasRows);
    long GetMaxFieldValueFromTable(const CString& sql, long& value);
    long ChangeOneFieldlongValue(const CString& table, const CString& field, long oldValue,
                                 long newValue);

    // ---- Work of several statements ----
    //
    // Every scope below runs in one transaction that takes the write lock when it begins. When
    // the engine rolls the transaction back by itself (a trigger's rollback, a full disk, a
    // lost connection), nothing more runs: the error is shown and the scope answers -1.

    // Runs `steps` all or nothing: committed when they return a status of 0 or more, rolled
    // back otherwise. Returns what `steps` returns.
    long RunAllOrNothing(const std::function<long()>& steps);
    // As RunAllOrNothing, and serialised against every other writer of `table` that does the
    // same, for work that computes a position or a key from the rows it reads (greatest + 1).
    long RunSerialised(const char* table, const std::function<long()>& steps);

    // How a cascade answers when it has run to its end.
    enum class CascadeStatus {
        LastStep,  // the status of its last step
        Done,      // 2, whatever the steps answered
    };
    // The statements of a cascade: each that fails alone is reported and undone alone, and the
    // cascade goes on; what ran is committed together.
    class Cascade {
    public:
        // Runs a statement; a failure is shown. Its status: 2 run, -1 failed.
        long Step(const CString& sql);
        // As Step, without a message.
        long StepSilently(const CString& sql);
        // A statement that the later ones rely on (without it they would remove rows that must
        // stay): when it fails the error is shown, the whole cascade is rolled back and
        // answers -1.
        long Guard(const CString& sql);
        // Records the status of a step made through another operation.
        long Note(long status) { return last_ = status; }
        long last() const noexcept { return last_; }

    private:
        friend class CRecordAccess;
        explicit Cascade(CRecordAccess& db) : db_(db) {}
        CRecordAccess& db_;
        long last_ = 1;
    };
    long RunCascade(CascadeStatus status, const std::function<void(Cascade&)>& body);
    // A cascade of plain statements, run in order.
    long RunCascade(CascadeStatus status, std::initializer_list<CString> statements);

    // Replaces the rows `deleteSql` removes by the given records, added one by one in array
    // order through `selectSql` (a SELECT * of the table): all or nothing. When a step fails the
    // old rows are back, the error has been shown and the answer is -1; else `done`.
    template <class T, class ARG>
    long ReplaceAll(const CString& deleteSql, const CString& selectSql, CArray<T*, ARG>& records,
                    long done = 2);
    template <class T, class ARG>
    long ReplaceAll(const CString& deleteSql, const CString& selectSql, CArray<T, ARG>& records,
                    long done = 2);
    // As ReplaceAll, for `count` records made by `each(i)` (returning a CDBBaseClass&), as when
    // the rows are built from plain values.
    template <class Each>
    long ReplaceAllWith(const CString& deleteSql, const CString& selectSql, int count, Each each,
                        long done = 2);

    // ---- Reading rows without a record class ----

    // Calls `each(value)` with column `column` of every row, read as T (a value that does not
    // convert gives T's default). 2 when the query opened (`rows` tells how many rows it had),
    // 1 without a connection, -1 on a database error (shown).
    template <class T, class Each>
    long ReadColumnOfRows(const CString& sql, const char* column, Each each, int* rows = nullptr);
    // The number of rows of a query: 2, 1 without a connection, -1 on a database error (shown).
    long CountRows(const CString& sql, long& count);

    // Appends one new record per row; 2 whenever the query opened.
    template <class T, class ARG>
    long ReadAllAsNew(const CString& sql, CArray<T*, ARG>& array, int showError);
    // Appends one record per row, each read from the constructor's values; 2 when at least one
    // row was read, else 1.
    template <class T, class ARG>
    long ReadAllAsValues(const CString& sql, T& working, CArray<T, ARG>& array);
    // Empties `array` once the query is open, then appends one record per row (for a pointer
    // array a new record, for a value array a copy), each read from the constructor's values:
    // 2 when at least one row was read, else 1. An error after the query opened is shown only
    // when `report`; the records read before it stay.
    template <class T, class ARG>
    long ReadAllAfresh(const CString& sql, CArray<T*, ARG>& array, bool report);
    template <class T, class ARG>
    long ReadAllAfresh(const CString& sql, CArray<T, ARG>& array, bool report);
    // Adds every element as a new row: all of them, or none when one fails (-1, reported).
    template <class T, class ARG>
    long AddAllFromPointers(const CString& sql, CArray<T*, ARG>& array);
    template <class T, class ARG>
    long AddAllFromValues(const CString& sql, CArray<T, ARG>& array);
    // Makes the rows of the query hold exactly the elements, matched by `idColumn`; all or
    // nothing.
    template <class T, class ARG>
    long SynchroniseById(const CString& sql, CArray<T, ARG>& array, const CString& idColumn);

private:
    // Only records of the record contract hold an access object.
    template <class T>
    void Attach(T& record) const {
        if constexpr (std::is_base_of_v<CDBBaseClass, T>)
            if (owner_) record.SetDBClassAccess(owner_);
    }
    // Opens `sql`; on 2 the recordset stands on its first row (when it has one).
    long Open(CADORecordsetPtr& holder, const CString& sql, int showError = 1) const;
    // As Open, for one forward pass that only reads.
    long OpenToRead(CADORecordsetPtr& holder, const CString& sql, int showError = 1) const;
    template <class Each>
    long AddAll(const CString& sql, int count, Each each);
    template <class Array, class Each>
    long ReadEachRowAfresh(const CString& sql, Array& array, bool report, Each each);
    long DeleteRowsOfQuery(const CString& sql);
    long RunScope(bool cascade, const char* serialiseOn, const std::function<long()>& steps);
    // Runs the body of an operation: any failure is shown (when `report`) and becomes -1. A
    // transaction that the engine has ended stops the scope that holds it instead.
    template <class Work>
    long Guarded(Work work, bool report = true);

    CBaseClassAccess* owner_;
    UpdateFailure updateFailure_;
    Deleting deleting_;
    // How many scopes of this object are open, outermost first.
    int scopes_ = 0;
    ConnectionPtr connection_;
    // One per opened connection, held by every object sharing it (not by RefConnection's
    // callers): the last holder closes the connection.
    struct Sharers {};
    std::shared_ptr<Sharers> sharers_;
    CString connectionString_;
};

template <class Work>
long CRecordAccess::Guarded(Work work, bool report) {
    try {
        return work();
    } catch (const TransactionLost&) {
        if (scopes_ > 0) throw;
        if (report) ReportError();
        return -1;
    } catch (...) {
        if (report) ReportError();
        return -1;
    }
}

template <class T, class ARG>
long CRecordAccess::ReadAllAsNew(const CString& sql, CArray<T*, ARG>& array, int showError) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql, showError);
        if (opened != 2) return opened;
        _variant_t scratch;
        RecordsetPtr& rs = holder.Recordset();
        FieldsPtr fields = rs->GetFields();
        while (!rs->EndOfFile()) {
            T* record = new T;
            array.Add(record);
            Attach(*record);
            record->ReadFromFields(fields, scratch);
            rs->MoveNext();
        }
        return 2;
    });
}

template <class T, class ARG>
long CRecordAccess::ReadAllAsValues(const CString& sql, T& working, CArray<T, ARG>& array) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        _variant_t scratch;
        RecordsetPtr& rs = holder.Recordset();
        FieldsPtr fields = rs->GetFields();
        T blank;
        Attach(blank);
        bool any = false;
        while (!rs->EndOfFile()) {
            working = blank;
            working.ReadFromFields(fields, scratch);
            array.Add(working);
            any = true;
            rs->MoveNext();
        }
        return any ? 2 : 1;
    });
}

template <class Array, class Each>
long CRecordAccess::ReadEachRowAfresh(const CString& sql, Array& array, bool report, Each each) {
    return Guarded(
        [&]() -> long {
            CADORecordsetPtr holder;
            const long opened = OpenToRead(holder, sql);
            if (opened != 2) return opened;
            array.RemoveAll();
            _variant_t scratch;
            RecordsetPtr& rs = holder.Recordset();
            FieldsPtr fields = rs->GetFields();
            long result = 1;
            for (; !rs->EndOfFile(); rs->MoveNext()) {
                each(fields, scratch);
                result = 2;
            }
            return result;
        },
        report);
}

template <class T, class ARG>
long CRecordAccess::ReadAllAfresh(const CString& sql, CArray<T*, ARG>& array, bool report) {
    return ReadEachRowAfresh(sql, array, report, [&](FieldsPtr& fields, _variant_t& scratch) {
        T* record = new T;
        array.Add(record);
        Attach(*record);
        record->ReadFromFields(fields, scratch);
    });
}

template <class T, class ARG>
long CRecordAccess::ReadAllAfresh(const CString& sql, CArray<T, ARG>& array, bool report) {
    return ReadEachRowAfresh(sql, array, report, [&](FieldsPtr& fields, _variant_t& scratch) {
        T record;
        Attach(record);
        record.ReadFromFields(fields, scratch);
        array.Add(record);
    });
}

template <class Each>
long CRecordAccess::AddAll(const CString& sql, int count, Each each) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = Open(holder, sql);
        if (opened != 2) return opened;
        _variant_t scratch;
        RecordsetPtr& rs = holder.Recordset();
        // Each row is read back only right after it is added.
        rs->KeepOnlyLastAdded();
        FieldsPtr fields = rs->GetFields();
        Transaction transaction(*connection_);
        for (int i = 0; i < count; ++i) {
            CDBBaseClass& record = each(i);
            rs->AddNew();
            record.WriteToFields(fields);
            Attach(record);
            rs->Update();
            record.AfterUpdateNew(fields, scratch);
        }
        transaction.Commit();
        return 2;
    });
}

template <class T, class ARG>
long CRecordAccess::AddAllFromPointers(const CString& sql, CArray<T*, ARG>& array) {
    return AddAll(sql, array.GetSize(), [&](int i) -> CDBBaseClass& { return *array[i]; });
}

template <class T, class ARG>
long CRecordAccess::AddAllFromValues(const CString& sql, CArray<T, ARG>& array) {
    return AddAll(sql, array.GetSize(), [&](int i) -> CDBBaseClass& { return array[i]; });
}

template <class Each>
long CRecordAccess::ReplaceAllWith(const CString& deleteSql, const CString& selectSql, int count,
                                   Each each, long done) {
    return RunAllOrNothing([&]() -> long {
        // Adding after a failed delete would store the new rows beside the old ones.
        const long deleted = DeleteRecordInfo(deleteSql);
        if (deleted < 0) return deleted;
        const long added = AddAll(selectSql, count, each);
        return added == 2 ? done : -1;
    });
}

template <class T, class ARG>
long CRecordAccess::ReplaceAll(const CString& deleteSql, const CString& selectSql,
                               CArray<T*, ARG>& records, long done) {
    return ReplaceAllWith(
        deleteSql, selectSql, records.GetSize(),
        [&](int i) -> CDBBaseClass& { return RecordAt(records, i); }, done);
}

template <class T, class ARG>
long CRecordAccess::ReplaceAll(const CString& deleteSql, const CString& selectSql,
                               CArray<T, ARG>& records, long done) {
    return ReplaceAllWith(
        deleteSql, selectSql, records.GetSize(),
        [&](int i) -> CDBBaseClass& { return RecordAt(records, i); }, done);
}

template <class T, class Each>
long CRecordAccess::ReadColumnOfRows(const CString& sql, const char* column, Each each, int* rows) {
    if (rows) *rows = 0;
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        RecordsetPtr& rs = holder.Recordset();
        FieldsPtr fields = rs->GetFields();
        for (; !rs->EndOfFile(); rs->MoveNext()) {
            T value{};
            ReadColumn(fields, column, value);
            each(value);
            if (rows) ++*rows;
        }
        return 2;
    });
}

template <class T, class ARG>
long CRecordAccess::SynchroniseById(const CString& sql, CArray<T, ARG>& array,
                                    const CString& idColumn) {
    CADORecordsetPtr holder;
    if (Open(holder, sql) != 2) return 1;
    return Guarded([&]() -> long {
        _variant_t scratch;
        RecordsetPtr& rs = holder.Recordset();
        FieldsPtr fields = rs->GetFields();
        Transaction transaction(*connection_);
        std::unordered_set<long> wanted;
        for (int i = 0; i < array.GetSize(); ++i) wanted.insert(array[i].GetIDField());
        // One pass removes the rows no element names and remembers where each kept id is; the
        // first row of an id is the one an element rewrites.
        std::unordered_map<long, long> rowOfId;
        while (!rs->EndOfFile()) {
            long id = 0;
            const bool hasId = detail::Convert(fields->GetItem(idColumn)->GetValue(), id);
            if (hasId && wanted.count(id))
                rowOfId.emplace(id, rs->GetBookmark());
            else
                rs->Delete(adAffectCurrent);
            rs->MoveNext();
        }
        Field* idField = fields->Find(idColumn);
        for (int i = 0; i < array.GetSize(); ++i) {
            T& element = array[i];
            const long id = element.GetIDField();
            const auto found = rowOfId.find(id);
            if (found != rowOfId.end())
                rs->PutBookmark(found->second);
            else
                rs->AddNew();
            element.WriteToFields(fields);
            if (idField) {
                try {
                    idField->PutValue(_variant_t(id));
                } catch (...) {
                    // An identity column refuses the value; the row keeps the one it has.
                }
            }
            rs->Update();
            element.AfterUpdateNew(fields, scratch);
            // A later element names a new row by the id the row got: the database's own, when
            // it assigns the key, so that two elements without an id make two rows.
            if (found == rowOfId.end()) rowOfId.emplace(element.GetIDField(), rs->GetBookmark());
        }
        transaction.Commit();
        return 2;
    });
}

}  // namespace ghdb
