#include "mis/MisDBAccess.h"

namespace ghdb {

CMisDBAccess::CMisDBAccess()
    : db_(nullptr, CRecordAccess::UpdateFailure::Report, CRecordAccess::Deleting::RowsOfQuery) {}

CMisDBAccess::CMisDBAccess(const CMisDBAccess& other) : CMisDBAccess() {
    *this = other;
}

CMisDBAccess& CMisDBAccess::operator=(const CMisDBAccess& other) {
    db_.ShareConnection(other.db_);
    references_ = other.references_;
    return *this;
}

CMisDBAccess* CMisDBAccess::CreateInstance(const char* connectionString) {
    if (!connectionString) return nullptr;
    auto* access = new CMisDBAccess;
    if (access->SetConnectionString(connectionString) == 0) return access;
    delete access;
    return nullptr;
}

long CMisDBAccess::ReleaseInstance() {
    if (references_ <= 1) {
        delete this;
        return 0;
    }
    return --references_;
}

long CMisDBAccess::SetConnectionString(const char* connectionString) {
    return db_.SetConnectionString(connectionString);
}

}  // namespace ghdb
