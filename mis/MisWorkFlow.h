#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A workflow code (S_WorkFlows): the workflow as users know it, whatever its version.
class CMISWorkFlowCode : public CTableRecord<CMISWorkFlowCode> {
public:
    CMISWorkFlowCode() = default;
    CMISWorkFlowCode(const CMISWorkFlowCode& other) = default;
    CMISWorkFlowCode& operator=(const CMISWorkFlowCode& other) = default;
    ~CMISWorkFlowCode() override = default;

    bool IsSys = false;
    short FlowType = 0;
    short OwnerType = 0;
    CString FlowCode;
    CString FlowName;
    CString AutoNoID;
    CString Owner;
    CString Note;

    static const ColumnTable<CMISWorkFlowCode>& Columns();
};

// One version of a workflow (S_Workflows_Ex).
class CMISWorkFlow : public CTableRecord<CMISWorkFlow> {
public:
    CMISWorkFlow() = default;
    CMISWorkFlow(const CMISWorkFlow& other) = default;
    CMISWorkFlow& operator=(const CMISWorkFlow& other) = default;
    ~CMISWorkFlow() override = default;

    CString FlowID;
    CString FlowCode;
    bool IsActive = false;
    long Version = 0;

    static const ColumnTable<CMISWorkFlow>& Columns();
};

// A phase of a workflow version (S_FlowPhase).
class CMISWorkPhase : public CTableRecord<CMISWorkPhase> {
public:
    CMISWorkPhase() = default;
    CMISWorkPhase(const CMISWorkPhase& other) = default;
    CMISWorkPhase& operator=(const CMISWorkPhase& other) = default;
    ~CMISWorkPhase() override = default;

    short PhaseNo = 0;
    short SubFlowNo = 0;
    CString FlowID;
    CString PhaseName;

    static const ColumnTable<CMISWorkPhase>& Columns();
};

// A workflow of the older schema (MWRKFLWDEF).
class CMISWorkFlow27 : public CTableRecord<CMISWorkFlow27> {
public:
    CMISWorkFlow27() = default;
    CMISWorkFlow27(const CMISWorkFlow27& other) = default;
    CMISWorkFlow27& operator=(const CMISWorkFlow27& other) = default;
    ~CMISWorkFlow27() override = default;

    CString NAME;

    static const ColumnTable<CMISWorkFlow27>& Columns();
};

// A phase (step) of a workflow of the older schema (OAGROUP).
class CMISWorkPhase27 : public CTableRecord<CMISWorkPhase27> {
public:
    CMISWorkPhase27() = default;
    CMISWorkPhase27(const CMISWorkPhase27& other) = default;
    CMISWorkPhase27& operator=(const CMISWorkPhase27& other) = default;
    ~CMISWorkPhase27() override = default;

    long ROLEID = -1;
    CString STPNAME;
    CString WRKNAME;

    static const ColumnTable<CMISWorkPhase27>& Columns();
};

}  // namespace ghdb
