#pragma once

#include "frame/ErrorReport.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

namespace ghdb {

// Owns the recordset of one operation and closes it when the operation ends.
class CADORecordsetPtr {
public:
    CADORecordsetPtr() = default;
    CADORecordsetPtr(const CADORecordsetPtr& other) = default;
    CADORecordsetPtr& operator=(const CADORecordsetPtr& other) = default;
    virtual ~CADORecordsetPtr();

    RecordsetPtr& Recordset() noexcept { return recordset_; }

    // Opens `sql` on `connection` with a keyset cursor and optimistic locking (or, for a single
    // read pass, forward-only and read-only): 2 when open, 1 when there is no connection, -1
    // when the engine refused it (its last error shown when `showError` is nonzero).
    long SetParam(ConnectionPtr connection, const char* sql, int showError,
                  CursorTypeEnum cursor = adOpenKeyset);

private:
    RecordsetPtr recordset_;
};

}  // namespace ghdb
