#include "frame/RecordAccess.h"

#include "platform/com/ComError.h"
#include "platform/win/MessageSink.h"

namespace ghdb {

CRecordAccess::CRecordAccess(CBaseClassAccess* owner, UpdateFailure updateFailure,
                             Deleting deleting)
    : owner_(owner), updateFailure_(updateFailure), deleting_(deleting) {}

CRecordAccess::~CRecordAccess() {
    ReleaseConnection();
}

long CRecordAccess::CreateConnection() {
    if (connectionString_.IsEmpty()) return -2;
    if (connection_) return 0;
    try {
        ConnectionPtr connection = Connection::Create();
        connection->Open(connectionString_, "", "", 0);
        connection_ = std::move(connection);
        sharers_ = std::make_shared<Sharers>();
        return 0;
    } catch (...) {
        connection_.reset();
        ReportError();
        return -3;
    }
}

void CRecordAccess::ReleaseConnection() {
    if (!connection_) return;
    if (sharers_.use_count() > 1) {
        connection_.reset();
        sharers_.reset();
        return;
    }
    try {
        connection_->Close();
        connection_.reset();
        sharers_.reset();
    } catch (...) {
        ReportError();
    }
}

void CRecordAccess::ShareConnection(const CRecordAccess& other) {
    if (connection_ != other.connection_) {
        ReleaseConnection();
        connection_ = other.connection_;
        sharers_ = other.sharers_;
    }
    connectionString_ = other.connectionString_;
}

long CRecordAccess::SetConnectionString(const char* connectionString) {
    ReleaseConnection();
    connectionString_ = connectionString;
    return CreateConnection();
}

void CRecordAccess::ReportError() const {
    ShowProviderError(connection_.get(), connection_ ? nullptr : kConnectFailedText);
}

long CRecordAccess::Open(CADORecordsetPtr& holder, const CString& sql, int showError) const {
    const long opened = holder.SetParam(connection_, sql, showError);
    if (opened == 2 && !holder.Recordset()->EndOfFile()) holder.Recordset()->MoveFirst();
    return opened;
}

long CRecordAccess::OpenToRead(CADORecordsetPtr& holder, const CString& sql, int showError) const {
    return holder.SetParam(connection_, sql, showError, adOpenForwardOnly);
}

long CRecordAccess::ReadOneRecordInfo(const CString& sql, CDBBaseClass* record) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        if (holder.Recordset()->EndOfFile()) return 1;
        Attach(*record);
        _variant_t scratch;
        FieldsPtr fields = holder.Recordset()->GetFields();
        record->ReadFromFields(fields, scratch);
        return 2;
    });
}

long CRecordAccess::ReadMultiRecordInfo(const CString& sql, CMultiDBBaseClass* record) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        Attach(*record);
        RecordsetPtr& rs = holder.Recordset();
        FieldsPtr fields = rs->GetFields();
        _variant_t scratch;
        bool any = false;
        while (!rs->EndOfFile()) {
            record->ReadKidFromFields(fields, scratch);
            any = true;
            rs->MoveNext();
        }
        return any ? 2 : 1;
    });
}

long CRecordAccess::EditOneRecordInfo(const CString& sql, CDBBaseClass* record) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = Open(holder, sql);
        if (opened != 2) return opened;
        RecordsetPtr& rs = holder.Recordset();
        long result = 1;
        if (!rs->EndOfFile()) {
            FieldsPtr fields = rs->GetFields();
            record->WriteToFields(fields);
            rs->Update();
            result = 2;
        }
        Attach(*record);
        return result;
    });
}

long CRecordAccess::EditMultiRecordInfo(const CString& sql, CMultiDBBaseClass* record) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = Open(holder, sql);
        if (opened != 2) return opened;
        RecordsetPtr& rs = holder.Recordset();
        // Each kid's row is read back only right after it is added.
        rs->KeepOnlyLastAdded();
        FieldsPtr fields = rs->GetFields();
        int index = 0;
        for (; record->NextKid(index); ++index) {
            rs->AddNew();
            record->WriteKidToFields(fields, index);
            rs->Update();
            record->AfterKidUpdateNew(fields, index);
        }
        return index > 0 ? 2 : 1;
    });
}

long CRecordAccess::AddNewOneRecordInfo(const CString& sql, CDBBaseClass* record) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = holder.SetParam(connection_, sql, 1);
        if (opened != 2) return opened;
        RecordsetPtr& rs = holder.Recordset();
        FieldsPtr fields = rs->GetFields();
        rs->AddNew();
        record->WriteToFields(fields);
        if (updateFailure_ == UpdateFailure::Notice) {
            try {
                rs->Update();
            } catch (const TransactionLost&) {
                throw;
            } catch (const _com_error& e) {
                const CString text = FormatString("\n\tSource:%s \n\tdescription:%s \n",
                                                  e.Source().c_str(), e.Description().c_str());
                ShowMessage(text, "提示");
                return -1;
            }
        } else {
            rs->Update();
        }
        _variant_t scratch;
        record->AfterUpdateNew(fields, scratch);
        Attach(*record);
        return 2;
    });
}

long CRecordAccess::DeleteRecordInfo(const CString& sql) {
    if (deleting_ == Deleting::RowsOfQuery) return DeleteRowsOfQuery(sql);
    return Guarded([&]() -> long {
        if (!connection_) throw _com_error(E_FAIL, "no connection");
        return connection_->Execute(sql, nullptr, adCmdText) ? 2 : 1;
    });
}

long CRecordAccess::DeleteRowsOfQuery(const CString& sql) {
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = Open(holder, sql);
        if (opened != 2) return opened;
        RecordsetPtr& rs = holder.Recordset();
        Transaction transaction(*connection_);
        long result = 1;
        for (; !rs->EndOfFile(); rs->MoveNext()) {
            rs->Delete(adAffectCurrent);
            result = 2;
        }
        transaction.Commit();
        return result;
    });
}

long CRecordAccess::ExecuteSilently(const CString& sql) {
    if (!connection_) return -1;
    return Guarded(
        [&]() -> long { return connection_->Execute(sql, nullptr, adOptionUnspecified) ? 2 : 1; },
        false);
}

namespace {

// Thrown by a cascade's guard statement to end the cascade; its error has been shown.
struct CascadeStopped {};

// Counts the open scopes of an access object while one runs.
class ScopeCount {
public:
    explicit ScopeCount(int& count) : count_(count) { ++count_; }
    ~ScopeCount() { --count_; }
    ScopeCount(const ScopeCount&) = delete;
    ScopeCount& operator=(const ScopeCount&) = delete;

private:
    int& count_;
};

}  // namespace

long CRecordAccess::RunScope(bool cascade, const char* serialiseOn,
                             const std::function<long()>& steps) {
    if (!connection_) return steps();
    ScopeCount counted(scopes_);
    try {
        Transaction transaction(*connection_,
                                cascade ? TransactionKind::Cascade : TransactionKind::AllOrNothing);
        if (serialiseOn) transaction.Serialise(serialiseOn);
        const long result = steps();
        if (cascade || result >= 0) transaction.Commit();
        return result;
    } catch (const TransactionLost&) {
        // An enclosing scope of this object stops too and reports once.
        if (scopes_ > 1) throw;
        ReportError();
        return -1;
    } catch (const CascadeStopped&) {
        if (scopes_ > 1) throw;
        return -1;
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::RunAllOrNothing(const std::function<long()>& steps) {
    return RunScope(false, nullptr, steps);
}

long CRecordAccess::RunSerialised(const char* table, const std::function<long()>& steps) {
    return RunScope(false, table, steps);
}

long CRecordAccess::RunCascade(CascadeStatus status, const std::function<void(Cascade&)>& body) {
    Cascade cascade(*this);
    return RunScope(true, nullptr, [&]() -> long {
        body(cascade);
        return status == CascadeStatus::Done ? 2 : cascade.last();
    });
}

long CRecordAccess::RunCascade(CascadeStatus status, std::initializer_list<CString> statements) {
    return RunCascade(status, [&](Cascade& cascade) {
        for (const CString& sql : statements) cascade.Step(sql);
    });
}

long CRecordAccess::Cascade::Step(const CString& sql) {
    return last_ = db_.DeleteRecordInfo(sql);
}

long CRecordAccess::Cascade::StepSilently(const CString& sql) {
    return last_ = db_.ExecuteSilently(sql);
}

long CRecordAccess::Cascade::Guard(const CString& sql) {
    last_ = db_.DeleteRecordInfo(sql);
    if (last_ < 0) throw CascadeStopped{};
    return last_;
}

long CRecordAccess::CheckRecordInfoEmpty(const CString& sql, int& hasRows) {
    hasRows = 0;
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        hasRows = holder.Recordset()->EndOfFile() ? 0 : 1;
        return 1;
    });
}

long CRecordAccess::CountRows(const CString& sql, long& count) {
    count = 0;
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        RecordsetPtr& rs = holder.Recordset();
        for (; !rs->EndOfFile(); rs->MoveNext()) ++count;
        return 2;
    });
}

long CRecordAccess::GetMaxFieldValueFromTable(const CString& sql, long& value) {
    value = 0;
    return Guarded([&]() -> long {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        if (holder.Recordset()->EndOfFile()) return 1;
        FieldsPtr fields = holder.Recordset()->GetFields();
        ReadColumn(fields, "MaxValue", value);
        return 2;
    });
}

long CRecordAccess::ChangeOneFieldlongValue(const CString& table, const CString& field,
                                            long oldValue, long newValue) {
    if (table.IsEmpty() || field.IsEmpty()) return -1;
    return DeleteRecordInfo(FormatString("UPDATE %s SET %s = %d WHERE %s = %d ", table, field,
                                         newValue, field, oldValue));
}

}  // namespace ghdb
