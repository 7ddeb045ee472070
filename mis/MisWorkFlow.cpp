#include "mis/MisWorkFlow.h"

#include "frame/Statement.h"
#include "mis/MisDBAccess.h"

namespace ghdb {

const ColumnTable<CMISWorkFlowCode>& CMISWorkFlowCode::Columns() {
    using R = CMISWorkFlowCode;
    static const ColumnTable<R> columns = {
        {"FlowCode", &R::FlowCode}, {"FlowName", &R::FlowName}, {"FlowType", &R::FlowType},
        {"AutoNoID", &R::AutoNoID}, {"Owner", &R::Owner},       {"OwnerType", &R::OwnerType},
        {"IsSys", &R::IsSys},       {"Note", &R::Note},
    };
    return columns;
}

const ColumnTable<CMISWorkFlow>& CMISWorkFlow::Columns() {
    static const ColumnTable<CMISWorkFlow> columns = {
        {"FlowID", &CMISWorkFlow::FlowID},
        {"FlowCode", &CMISWorkFlow::FlowCode},
        {"IsActive", &CMISWorkFlow::IsActive},
        {"Version", &CMISWorkFlow::Version},
    };
    return columns;
}

const ColumnTable<CMISWorkPhase>& CMISWorkPhase::Columns() {
    static const ColumnTable<CMISWorkPhase> columns = {
        {"PhaseNo", &CMISWorkPhase::PhaseNo},
        {"SubFlowNo", &CMISWorkPhase::SubFlowNo},
        {"FlowID", &CMISWorkPhase::FlowID},
        {"PhaseName", &CMISWorkPhase::PhaseName},
    };
    return columns;
}

const ColumnTable<CMISWorkFlow27>& CMISWorkFlow27::Columns() {
    static const ColumnTable<CMISWorkFlow27> columns = {
        {"NAME", &CMISWorkFlow27::NAME},
    };
    return columns;
}

const ColumnTable<CMISWorkPhase27>& CMISWorkPhase27::Columns() {
    static const ColumnTable<CMISWorkPhase27> columns = {
        {"ROLEID", &CMISWorkPhase27::ROLEID},
        {"WRKNAME", &CMISWorkPhase27::WRKNAME},
        {"STPNAME", &CMISWorkPhase27::STPNAME},
    };
    return columns;
}

namespace {

constexpr const char* kActiveVersionsOfCode =
    "SELECT b.FlowCode, b.FlowID, b.Version, b.IsActive FROM S_Workflows_Ex b INNER JOIN "
    "S_WorkFlows c ON b.FlowCode = c.FlowCode WHERE (b.IsActive = 1 AND c.FlowCode = '%s') "
    "ORDER BY Version DESC";

constexpr const char* kActiveVersionsOfSameCode =
    "SELECT b.FlowCode, b.FlowID, b.Version, b.IsActive FROM S_Workflows_Ex b INNER JOIN "
    "S_WorkFlows c ON b.FlowCode = c.FlowCode WHERE (b.IsActive = 1 AND c.FlowCode = (SELECT "
    "FlowCode FROM S_Workflows_Ex WHERE FlowID = '%s')) ORDER BY Version DESC";

// Selects the columns of a workflow code; a workflow record finds only flowid and flowcode.
constexpr const char* kAllActiveWorkFlows =
    "SELECT FlowName, c.flowcode, a.flowid, FlowType, OwnerType, AutoNoID, Owner, IsSys, Note "
    "FROM (SELECT wfe.FlowID FROM (SELECT FlowCode, Version FROM dbo.S_Workflows_Ex WHERE "
    "(IsActive = 1) GROUP BY FlowCode, Version) fv LEFT OUTER JOIN dbo.S_Workflows_Ex wfe ON "
    "fv.FlowCode = wfe.FlowCode AND fv.Version = wfe.Version) a LEFT OUTER JOIN S_WorkFlows_Ex "
    "b ON a.FlowId = b.FlowId LEFT OUTER JOIN S_WorkFlows c ON b.FlowCode = c.FlowCode";

}  // namespace

long CMisDBAccess::GetWorkFlowCodeInBusiness(CString businessCode,
                                             CArray<CMISWorkFlowCode, CMISWorkFlowCode&>& out) {
    CMISWorkFlowCode working;
    return db_.ReadAllAsValues(
        FormatSql("SELECT c.FlowName, c.FlowCode, c.FlowType, c.OwnerType, c.AutoNoID, c.Owner, "
                  "c.IsSys, c.Note FROM S_WorkFlows c INNER JOIN S_Business_Flows d ON "
                  "c.FlowCode = d.FlowCode WHERE (d.BusinessCode = '%s')",
                  Quoted(businessCode)),
        working, out);
}

long CMisDBAccess::GetWorkFlowInFlowCode(CString flowCode,
                                         CArray<CMISWorkFlow, CMISWorkFlow&>& out) {
    CMISWorkFlow working;
    return db_.ReadAllAsValues(FormatSql(kActiveVersionsOfCode, Quoted(flowCode)), working, out);
}

long CMisDBAccess::GetWorkFlowInSameFlowID(CString flowId,
                                           CArray<CMISWorkFlow, CMISWorkFlow&>& out) {
    CMISWorkFlow working;
    return db_.ReadAllAsValues(FormatSql(kActiveVersionsOfSameCode, Quoted(flowId)), working, out);
}

long CMisDBAccess::GetAllMISWorkFlow(CArray<CMISWorkFlow, CMISWorkFlow&>& out) {
    CMISWorkFlow working;
    return db_.ReadAllAsValues(kAllActiveWorkFlows, working, out);
}

long CMisDBAccess::GetMISWorkPhase(CString flowId, CArray<CMISWorkPhase, CMISWorkPhase&>& out) {
    CMISWorkPhase working;
    return db_.ReadAllAsValues(
        FormatSql("SELECT * FROM S_FlowPhase Where FlowID= '%s'", Quoted(flowId)), working, out);
}

long CMisDBAccess::GetMISWorkFlows27(CArray<CMISWorkFlow27, CMISWorkFlow27&>& out) {
    CMISWorkFlow27 working;
    return db_.ReadAllAsValues("SELECT * FROM MWRKFLWDEF order by serial", working, out);
}

long CMisDBAccess::GetMISWorkPhase27(CString workflowName,
                                     CArray<CMISWorkPhase27, CMISWorkPhase27&>& out) {
    CMISWorkPhase27 working;
    return db_.ReadAllAsValues(
        FormatSql("SELECT * FROM OAGROUP Where WRKNAME= '%s'", Quoted(workflowName)), working, out);
}

}  // namespace ghdb
