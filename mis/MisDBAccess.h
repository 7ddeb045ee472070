#pragma once

#include "frame/RecordAccess.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CMISBusiness;
class CMISField;
class CMISSubSystem;
class CMISTable;
class CMISWorkFlow;
class CMISWorkFlow27;
class CMISWorkFlowCode;
class CMISWorkPhase;
class CMISWorkPhase27;

// The access object of the MIS (business workflow) database, which the library only reads.
// Made by CreateInstance and counted by hand like the configuration access object; records
// read through it hold no access object.
class CMisDBAccess {
public:
    // A connected object (count 1), or null when the string is null or empty or the database
    // cannot be opened (reported).
    static CMisDBAccess* CreateInstance(const char* connectionString);

    // Copies share `other`'s connection, which stays open until the last object sharing it
    // lets it go, and take over its connection string and reference count value.
    CMisDBAccess(const CMisDBAccess& other);
    CMisDBAccess& operator=(const CMisDBAccess& other);
    virtual ~CMisDBAccess() = default;

    long AddReference() noexcept { return ++references_; }
    // The new count; 0 when the object was destroyed. The last release deletes the object, so
    // only objects made by CreateInstance or new are released.
    long ReleaseInstance();
    // Replaces the connection: 0 connected, -2 empty string, -3 the open failed (reported).
    long SetConnectionString(const char* connectionString);
    CString ConnectionString() const { return db_.ConnectionString(); }

    // ---- MIS catalogue (mis/) ----
    //
    // Each appends to `out` (which is not emptied) and answers 2 when rows were read, 1 when
    // none were, -1 on a database error (shown).

    // The sub-systems that have a parent system.
    long GetAllMISSubSytem(CArray<CMISSubSystem, CMISSubSystem&>& out);
    long GetBusinessInSubSystem(CString systemCode, CArray<CMISBusiness, CMISBusiness&>& out);
    long GetWorkFlowCodeInBusiness(CString businessCode,
                                   CArray<CMISWorkFlowCode, CMISWorkFlowCode&>& out);
    // The active versions of the workflow code, newest first.
    long GetWorkFlowInFlowCode(CString flowCode, CArray<CMISWorkFlow, CMISWorkFlow&>& out);
    // The active versions of the workflow code that `flowId` is a version of, newest first.
    long GetWorkFlowInSameFlowID(CString flowId, CArray<CMISWorkFlow, CMISWorkFlow&>& out);
    // Every active workflow version with its code; IsActive and Version are not read.
    long GetAllMISWorkFlow(CArray<CMISWorkFlow, CMISWorkFlow&>& out);
    long GetMISWorkPhase(CString flowId, CArray<CMISWorkPhase, CMISWorkPhase&>& out);
    // The tables of the workflow's forms (`source` 0) or of the older schema (any other).
    long GetAllTablesInFlow(CString flowId, CArray<CMISTable, CMISTable&>& out, int source);
    // The fields of a table (`source` 0), or only their names from the older schema (any
    // other).
    long GetAllFieldsInTable(CString tableName, CArray<CMISField, CMISField&>& out, int source);
    // Older schema: workflows in serial order, and the phases of one workflow.
    long GetMISWorkFlows27(CArray<CMISWorkFlow27, CMISWorkFlow27&>& out);
    long GetMISWorkPhase27(CString workflowName, CArray<CMISWorkPhase27, CMISWorkPhase27&>& out);

protected:
    CMisDBAccess();

private:
    // The connection and the generic operations. Records are not attached to this object, a
    // failed insert is reported as a database error, and deleting takes a query whose rows
    // are removed.
    CRecordAccess db_;
    long references_ = 1;
};

}  // namespace ghdb
