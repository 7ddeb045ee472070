// Tables of the MIS (business workflow) database as far as ghdb reads them: the columns of the
// catalogue records plus the columns that the catalogue queries filter and join by. The MIS
// system owns this database; ghdb creates these tables only for tests and stand-alone setups.

#include "schema/Tables.h"

namespace ghdb::schema {
namespace {

using enum ColumnType;

constexpr int kName = 255;  // codes, ids, names
constexpr int kLong = 0;    // notes

// Current workflow schema

constexpr ColumnDef kSubSystem[] = {
    {"SystemCode", Text, kName},
    {"SystemName", Text, kName},
    {"ParentSystem", Text, kName},
};

constexpr ColumnDef kBusiness[] = {
    {"SystemCode", Text, kName},
    {"BusinessCode", Text, kName},
    {"BusinessName", Text, kName},
};
constexpr IndexDef kBusinessIx[] = {{"SystemCode"}};

constexpr ColumnDef kWorkFlows[] = {
    {"FlowCode", Text, kName}, {"FlowName", Text, kName}, {"FlowType", SmallInt},
    {"AutoNoID", Text, kName}, {"Owner", Text, kName},    {"OwnerType", SmallInt},
    {"IsSys", Bool},           {"Note", Text, kLong},
};
constexpr IndexDef kWorkFlowsIx[] = {{"FlowCode"}};

constexpr ColumnDef kWorkflowsEx[] = {
    {"FlowID", Text, kName},
    {"FlowCode", Text, kName},
    {"IsActive", Bool},
    {"Version", Int},
};
constexpr IndexDef kWorkflowsExIx[] = {{"FlowCode, Version"}, {"FlowID"}};

constexpr ColumnDef kBusinessFlows[] = {
    {"BusinessCode", Text, kName},
    {"FlowCode", Text, kName},
};
constexpr IndexDef kBusinessFlowsIx[] = {{"BusinessCode"}, {"FlowCode"}};

constexpr ColumnDef kFlowPhase[] = {
    {"PhaseNo", SmallInt},
    {"SubFlowNo", SmallInt},
    {"FlowID", Text, kName},
    {"PhaseName", Text, kName},
};
constexpr IndexDef kFlowPhaseIx[] = {{"FlowID"}};

constexpr ColumnDef kDictTables[] = {
    {"tablename", Text, kName},
    {"TableAlias", Text, kName},
};
constexpr IndexDef kDictTablesIx[] = {{"tablename"}};

constexpr ColumnDef kFormColumns[] = {
    {"formid", Text, kName},
    {"tablename", Text, kName},
};
constexpr IndexDef kFormColumnsIx[] = {{"formid"}};

constexpr ColumnDef kFlowPhaseForm[] = {
    {"flowid", Text, kName},
    {"formid", Text, kName},
};
constexpr IndexDef kFlowPhaseFormIx[] = {{"flowid"}};

constexpr ColumnDef kDictColumns[] = {
    {"TableName", Text, kName},    {"ColumnName", Text, kName}, {"ColumnAlias", Text, kName},
    {"DataType", SmallInt},        {"Length", SmallInt},        {"Precision", SmallInt},
    {"DefaultValue", Text, kName}, {"AllowNull", Bool},         {"IsSys", Bool},
    {"Squence", SmallInt},         {"IsPrimaryKey", Bool},
};
constexpr IndexDef kDictColumnsIx[] = {{"TableName"}};

// Older workflow schema

constexpr ColumnDef kWorkFlowDef27[] = {
    {"NAME", Text, kName},
    {"serial", Int},
};
constexpr IndexDef kWorkFlowDef27Ix[] = {{"serial"}};

constexpr ColumnDef kGroup27[] = {
    {"ROLEID", Int},
    {"WRKNAME", Text, kName},
    {"STPNAME", Text, kName},
};
constexpr IndexDef kGroup27Ix[] = {{"WRKNAME"}};

constexpr ColumnDef kEnumTabs27[] = {
    {"workflow", Text, kName},
    {"tabname", Text, kName},
    {"colname", Text, kName},
};
constexpr IndexDef kEnumTabs27Ix[] = {{"workflow"}, {"tabname"}};

constexpr TableDef kMisTables[] = {
    {"S_SubSystem", kSubSystem, {}},
    {"S_Business", kBusiness, kBusinessIx},
    {"S_WorkFlows", kWorkFlows, kWorkFlowsIx},
    {"S_Workflows_Ex", kWorkflowsEx, kWorkflowsExIx},
    {"S_Business_Flows", kBusinessFlows, kBusinessFlowsIx},
    {"S_FlowPhase", kFlowPhase, kFlowPhaseIx},
    {"s_dicttables", kDictTables, kDictTablesIx},
    {"S_Form_Columns", kFormColumns, kFormColumnsIx},
    {"s_flowPhase_form", kFlowPhaseForm, kFlowPhaseFormIx},
    {"S_DictColumns", kDictColumns, kDictColumnsIx},
    {"MWRKFLWDEF", kWorkFlowDef27, kWorkFlowDef27Ix},
    {"OAGROUP", kGroup27, kGroup27Ix},
    {"MWFLENUMTABS", kEnumTabs27, kEnumTabs27Ix},
};

}  // namespace

std::span<const TableDef> MisTables() {
    return kMisTables;
}

}  // namespace ghdb::schema
