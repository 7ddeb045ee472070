#include "frame/RecordAccess.h"

#include "platform/com/ComError.h"
#include "platform/win/MessageSink.h"

namespace ghdb {

CRecordAccess::CRecordAccess(CBaseClassAccess* owner, UpdateFailure updateFailure)
    : owner_(owner), updateFailure_(updateFailure) {}

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
        return 0;
    } catch (...) {
        connection_.reset();
        ReportError();
        return -3;
    }
}

void CRecordAccess::ReleaseConnection() {
    if (!connection_) return;
    try {
        connection_->Close();
        connection_.reset();
    } catch (...) {
        ReportError();
    }
}

long CRecordAccess::SetConnectionString(const char* connectionString) {
    ReleaseConnection();
    connectionString_ = connectionString;
    return CreateConnection();
}

void CRecordAccess::ReportError() const {
    if (!connection_) {
        ShowMessage(kConnectFailedText, kDatabaseErrorCaption);
        return;
    }
    const Errors& errors = connection_->GetErrors();
    if (errors.GetCount() > 0)
        ShowMessage(errors.GetItem(errors.GetCount() - 1).Description.c_str(),
                    kDatabaseErrorCaption);
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
    try {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        if (holder.Recordset()->EndOfFile()) return 1;
        Attach(*record);
        _variant_t scratch;
        FieldsPtr fields = holder.Recordset()->GetFields();
        record->ReadFromFields(fields, scratch);
        return 2;
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::ReadMultiRecordInfo(const CString& sql, CMultiDBBaseClass* record) {
    try {
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
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::EditOneRecordInfo(const CString& sql, CDBBaseClass* record) {
    try {
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
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::EditMultiRecordInfo(const CString& sql, CMultiDBBaseClass* record) {
    try {
        CADORecordsetPtr holder;
        const long opened = Open(holder, sql);
        if (opened != 2) return opened;
        RecordsetPtr& rs = holder.Recordset();
        FieldsPtr fields = rs->GetFields();
        int index = 0;
        for (; record->NextKid(index); ++index) {
            rs->AddNew();
            record->WriteKidToFields(fields, index);
            rs->Update();
            record->AfterKidUpdateNew(fields, index);
        }
        return index > 0 ? 2 : 1;
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::AddNewOneRecordInfo(const CString& sql, CDBBaseClass* record) {
    try {
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
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::DeleteRecordInfo(const CString& sql) {
    try {
        if (!connection_) throw _com_error(E_FAIL, "no connection");
        return connection_->Execute(sql, nullptr, adCmdText) ? 2 : 1;
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::ExecuteSilently(const CString& sql) {
    try {
        if (!connection_) return -1;
        return connection_->Execute(sql, nullptr, adOptionUnspecified) ? 2 : 1;
    } catch (...) {
        return -1;
    }
}

long CRecordAccess::RunInTransaction(Commit commit, const std::function<long()>& steps) {
    if (!connection_) return steps();
    try {
        Transaction transaction(*connection_, commit == Commit::Always
                                                  ? Transaction::Kind::Cascade
                                                  : Transaction::Kind::AllOrNothing);
        const long result = steps();
        if (commit == Commit::Always || result >= 0) transaction.Commit();
        return result;
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::CheckRecordInfoEmpty(const CString& sql, int& hasRows) {
    hasRows = 0;
    try {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        hasRows = holder.Recordset()->EndOfFile() ? 0 : 1;
        return 1;
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::GetMaxFieldValueFromTable(const CString& sql, long& value) {
    value = 0;
    try {
        CADORecordsetPtr holder;
        const long opened = OpenToRead(holder, sql);
        if (opened != 2) return opened;
        if (holder.Recordset()->EndOfFile()) return 1;
        FieldsPtr fields = holder.Recordset()->GetFields();
        ReadColumn(fields, "MaxValue", value);
        return 2;
    } catch (...) {
        ReportError();
        return -1;
    }
}

long CRecordAccess::ChangeOneFieldlongValue(const CString& table, const CString& field,
                                            long oldValue, long newValue) {
    if (table.IsEmpty() || field.IsEmpty()) return -1;
    return DeleteRecordInfo(FormatString("UPDATE %s SET %s = %d WHERE %s = %d ", table, field,
                                         newValue, field, oldValue));
}

}  // namespace ghdb
