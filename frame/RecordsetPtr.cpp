#include "frame/RecordsetPtr.h"

namespace ghdb {

CADORecordsetPtr::~CADORecordsetPtr() {
    if (recordset_ && recordset_->GetState() == adStateOpen) recordset_->Close();
}

long CADORecordsetPtr::SetParam(ConnectionPtr connection, const char* sql, int showError,
                                CursorTypeEnum cursor) {
    if (!connection) return 1;
    try {
        recordset_ = Recordset::Create();
        recordset_->Open(sql, connection, cursor,
                         cursor == adOpenForwardOnly ? adLockReadOnly : adLockOptimistic,
                         adCmdText);
        return 2;
    } catch (...) {
        if (showError) ShowProviderError(connection.get());
        return -1;
    }
}

}  // namespace ghdb
