#include "frame/BaseClassAccess.h"

namespace ghdb {

CBaseClassAccess::CBaseClassAccess() : db_(this, CRecordAccess::UpdateFailure::Notice) {}

CBaseClassAccess::~CBaseClassAccess() {
    db_.ReleaseConnection();
}

CBaseClassAccess* CBaseClassAccess::CreateInstance(const char* connectionString) {
    if (!connectionString) return nullptr;
    auto* access = new CBaseClassAccess;
    if (access->SetConnectionString(connectionString) == 0) return access;
    delete access;
    return nullptr;
}

long CBaseClassAccess::ReleaseInstance() {
    if (references_ <= 1) {
        delete this;
        return 0;
    }
    return --references_;
}

long CBaseClassAccess::SetConnectionString(const char* connectionString) {
    return db_.SetConnectionString(connectionString);
}

long CBaseClassAccess::ChangeOneFieldlongValue(CString table, CString field, long oldValue,
                                               long newValue) {
    return db_.ChangeOneFieldlongValue(table, field, oldValue, newValue);
}

long CBaseClassAccess::GetMaxFieldValueFromTable(CString sql, long& value) {
    return db_.GetMaxFieldValueFromTable(sql, value);
}

}  // namespace ghdb
