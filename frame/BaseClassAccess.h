#pragma once

#include "frame/RecordAccess.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// The access object of the configuration database: one connection, and every operation on
// the planning configuration as a member. Made by CreateInstance, counted by hand and
// destroyed when the last holder releases it.
class CBaseClassAccess {
public:
    // A connected object (count 1), or null when the string is null or empty or the database
    // cannot be opened (reported).
    static CBaseClassAccess* CreateInstance(const char* connectionString);

    long AddReference() noexcept { return ++references_; }
    // The new count; 0 when the object was destroyed.
    long ReleaseInstance();
    // Replaces the connection: 0 connected, -2 empty string, -3 the open failed (reported).
    long SetConnectionString(const char* connectionString);
    CString ConnectionString() const { return db_.ConnectionString(); }
    // The connection, for callers that run statements of their own; null when not connected.
    ConnectionPtr RefConnection() const { return db_.Connection(); }

    // Replaces `oldValue` by `newValue` in integer column `field` of every row of `table`.
    long ChangeOneFieldlongValue(CString table, CString field, long oldValue, long newValue);
    // Runs an aggregate query whose one result column is named MaxValue; NULL gives 0.
    long GetMaxFieldValueFromTable(CString sql, long& value);

    // ---- Spatial databases, layer groups, layers and layer fields (catalogue/) ----

    // ---- Layer extensions, figure layers, field relations and pages, layer removal
    //      (catalogue/) ----

protected:
    CBaseClassAccess();
    virtual ~CBaseClassAccess();

private:
    CBaseClassAccess(const CBaseClassAccess&) = delete;
    CBaseClassAccess& operator=(const CBaseClassAccess&) = delete;

    // The connection and the generic operations that the family operations are built from.
    CRecordAccess db_;
    long references_ = 1;
};

}  // namespace ghdb
