#pragma once

#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "frame/Columns.h"
#include "frame/DBBaseClass.h"
#include "frame/RecordsetPtr.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// The connection of an access object and the generic record operations built on it. The
// configuration and MIS access objects each own one; records read or written through it are
// attached to `owner` when one is given.
//
// Status values: 2 success, 1 no row (or no connection), -1 database error already reported.
class CRecordAccess {
public:
    enum class UpdateFailure { Notice, Report };

    explicit CRecordAccess(CBaseClassAccess* owner, UpdateFailure updateFailure);
    ~CRecordAccess();
    CRecordAccess(const CRecordAccess&) = delete;
    CRecordAccess& operator=(const CRecordAccess&) = delete;

    // 0 connected (or already), -2 no connection string, -3 the open failed (reported).
    long CreateConnection();
    void ReleaseConnection();
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
    long DeleteRecordInfo(const CString& sql);
    // As DeleteRecordInfo, without any message: -1 on failure.
    long ExecuteSilently(const CString& sql);
    long CheckRecordInfoEmpty(const CString& sql, int& hasRows);
    long GetMaxFieldValueFromTable(const CString& sql, long& value);
    long ChangeOneFieldlongValue(const CString& table, const CString& field, long oldValue,
                                 long newValue);

    enum class Commit { Always, OnSuccess };
    // Runs several statements as one unit: a cascade (Commit::Always) keeps going after a
    // failed step and commits what ran, so that a crash cannot leave it half done; an
    // all-or-nothing write (Commit::OnSuccess) is rolled back when `steps` returns a negative
    // status. Returns what `steps` returns, or -1 after the report when no transaction can be
    // had.
    long RunInTransaction(Commit commit, const std::function<long()>& steps);

    // Appends one new record per row; 2 whenever the query opened.
    template <class T, class ARG>
    long ReadAllAsNew(const CString& sql, CArray<T*, ARG>& array, int showError);
    // Appends one record per row, each read from the constructor's values; 2 when at least one
    // row was read, else 1.
    template <class T, class ARG>
    long ReadAllAsValues(const CString& sql, T& working, CArray<T, ARG>& array);
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
    void Attach(CDBBaseClass& record) const {
        if (owner_) record.SetDBClassAccess(owner_);
    }
    // Opens `sql`; on 2 the recordset stands on its first row (when it has one).
    long Open(CADORecordsetPtr& holder, const CString& sql, int showError = 1) const;
    // As Open, for one forward pass that only reads.
    long OpenToRead(CADORecordsetPtr& holder, const CString& sql, int showError = 1) const;
    template <class Each>
    long AddAll(const CString& sql, int count, Each each);

    CBaseClassAccess* owner_;
    UpdateFailure updateFailure_;
    ConnectionPtr connection_;
    CString connectionString_;
};

template <class T, class ARG>
long CRecordAccess::ReadAllAsNew(const CString& sql, CArray<T*, ARG>& array, int showError) {
    CADORecordsetPtr holder;
    const long opened = OpenToRead(holder, sql, showError);
    if (opened != 2) return opened;
    _variant_t scratch;
    try {
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
    } catch (...) {
        ReportError();
        return -1;
    }
}

template <class T, class ARG>
long CRecordAccess::ReadAllAsValues(const CString& sql, T& working, CArray<T, ARG>& array) {
    CADORecordsetPtr holder;
    const long opened = OpenToRead(holder, sql);
    if (opened != 2) return opened;
    _variant_t scratch;
    try {
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
    } catch (...) {
        ReportError();
        return -1;
    }
}

template <class Each>
long CRecordAccess::AddAll(const CString& sql, int count, Each each) {
    CADORecordsetPtr holder;
    const long opened = Open(holder, sql);
    if (opened != 2) return opened;
    _variant_t scratch;
    try {
        RecordsetPtr& rs = holder.Recordset();
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
    } catch (...) {
        ReportError();
        return -1;
    }
}

template <class T, class ARG>
long CRecordAccess::AddAllFromPointers(const CString& sql, CArray<T*, ARG>& array) {
    return AddAll(sql, array.GetSize(), [&](int i) -> CDBBaseClass& { return *array[i]; });
}

template <class T, class ARG>
long CRecordAccess::AddAllFromValues(const CString& sql, CArray<T, ARG>& array) {
    return AddAll(sql, array.GetSize(), [&](int i) -> CDBBaseClass& { return array[i]; });
}

template <class T, class ARG>
long CRecordAccess::SynchroniseById(const CString& sql, CArray<T, ARG>& array,
                                    const CString& idColumn) {
    CADORecordsetPtr holder;
    if (Open(holder, sql) != 2) return 1;
    _variant_t scratch;
    try {
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
            if (found == rowOfId.end()) rowOfId.emplace(id, rs->GetBookmark());
        }
        transaction.Commit();
        return 2;
    } catch (...) {
        ReportError();
        return -1;
    }
}

}  // namespace ghdb
