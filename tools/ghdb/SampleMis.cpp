#include "tools/ghdb/SampleMis.h"

#include "ghdb.h"

namespace ghdb::tool {

const std::vector<SampleMisTable>& SampleMisTables() {
    static const std::vector<SampleMisTable> tables = {
        {"T_XMXX",
         "项目信息",
         {{"XMBH", "项目编号", 1, 30, true},
          {"XMMC", "项目名称", 1, 100, false},
          {"JSDW", "建设单位", 1, 100, false}}},
        {"T_YDXX",
         "用地信息",
         {{"XMBH", "项目编号", 1, 30, true},
          {"YDMJ", "用地面积", 3, 8, false},
          {"YDXZ", "用地性质", 1, 20, false}}},
        {"T_GCXX",
         "工程信息",
         {{"XMBH", "项目编号", 1, 30, true},
          {"JZMJ", "建筑面积", 3, 8, false},
          {"JZGD", "建筑高度", 3, 8, false}}},
        {"T_GXXX",
         "管线信息",
         {{"XMBH", "项目编号", 1, 30, true},
          {"GXLX", "管线类型", 1, 20, false},
          {"GXCD", "管线长度", 3, 8, false}}},
    };
    return tables;
}

const std::vector<SampleMisSubSystem>& SampleMisSubSystems() {
    static const std::vector<SampleMisSubSystem> systems = {
        {"YD",
         "用地管理",
         {{"YD01",
           "建设项目选址",
           {{"XZ",
             "选址意见书",
             1,
             "核发建设项目选址意见书",
             {"受理", "审查", "审批", "发证"},
             "公示",
             {"T_XMXX", "T_YDXX"},
             false}}},
          {"YD02",
           "建设用地规划许可",
           {{"YDXK",
             "建设用地规划许可证",
             1,
             "核发建设用地规划许可证",
             {"受理", "审查", "审核", "审批", "发证"},
             "公示",
             {"T_XMXX", "T_YDXX"},
             true}}}}},
        {"JS",
         "建设管理",
         {{"JS01",
           "建设工程规划许可",
           {{"GCXK",
             "建设工程规划许可证",
             1,
             "核发建设工程规划许可证",
             {"受理", "方案审查", "审核", "审批", "发证"},
             "批前公示",
             {"T_XMXX", "T_GCXX"},
             false}}},
          {"JS02",
           "规划核实",
           {{"GHHS",
             "规划条件核实",
             2,
             "",
             {"受理", "现场核实", "审批"},
             "复核",
             {"T_XMXX", "T_GCXX"},
             true}}}}},
        {"SZ",
         "市政管理",
         {{"SZ01",
           "市政管线规划许可",
           {{"GXXK",
             "市政管线工程规划许可证",
             1,
             "核发市政管线工程规划许可证",
             {"受理", "管线综合审查", "审批", "发证"},
             "征求意见",
             {"T_XMXX", "T_GXXX"},
             false},
            {"GXJG",
             "管线竣工测量",
             2,
             "",
             {"受理", "测量", "成果审查"},
             "入库",
             {"T_GXXX"},
             false}}}}},
    };
    return systems;
}

std::string SampleFlowId(const char* code, int version) {
    return std::string(code) + "-V" + std::to_string(version);
}

namespace {

class MisBuilder {
public:
    explicit MisBuilder(Connection& connection) : connection_(connection) {}

    void Build() {
        Run("INSERT INTO S_SubSystem (SystemCode, SystemName, ParentSystem) VALUES ('GH', "
            "'规划管理系统', '')");
        for (const SampleMisSubSystem& system : SampleMisSubSystems()) {
            Run(
                FormatSql("INSERT INTO S_SubSystem (SystemCode, SystemName, ParentSystem) VALUES "
                          "('%s', '%s', 'GH')",
                          Quoted(system.code), Quoted(system.name)));
            for (const SampleMisBusiness& business : system.businesses)
                AddBusiness(system, business);
        }
        for (const SampleMisTable& table : SampleMisTables()) AddTable(table);
    }

private:
    void Run(const CString& sql) { connection_.Execute(sql, nullptr, adCmdText); }

    void AddBusiness(const SampleMisSubSystem& system, const SampleMisBusiness& business) {
        Run(
            FormatSql("INSERT INTO S_Business (SystemCode, BusinessCode, BusinessName) VALUES "
                      "('%s', '%s', '%s')",
                      Quoted(system.code), Quoted(business.code), Quoted(business.name)));
        for (const SampleMisWorkFlow& flow : business.workFlows) {
            Run(FormatSql(
                "INSERT INTO S_WorkFlows (FlowCode, FlowName, FlowType, AutoNoID, Owner, "
                "OwnerType, IsSys, Note) VALUES ('%s', '%s', %d, '%s', '%s', 1, 0, "
                "'%s')",
                Quoted(flow.code), Quoted(flow.name), flow.flowType,
                Quoted(CString(flow.code) + "-NO"), Quoted(business.name), Quoted(flow.note)));
            Run(
                FormatSql("INSERT INTO S_Business_Flows (BusinessCode, FlowCode) VALUES ('%s', "
                          "'%s')",
                          Quoted(business.code), Quoted(flow.code)));
            for (int version = 1; version <= 2; ++version) AddVersion(flow, version);
        }
    }

    void AddVersion(const SampleMisWorkFlow& flow, int version) {
        const CString flowId = SampleFlowId(flow.code, version);
        const bool active = version == 2 || !flow.firstRetired;
        Run(
            FormatSql("INSERT INTO S_Workflows_Ex (FlowID, FlowCode, IsActive, Version) VALUES "
                      "('%s', '%s', %d, %d)",
                      Quoted(flowId), Quoted(flow.code), active ? 1 : 0, version));
        std::vector<const char*> phases = flow.phases;
        if (version == 2) phases.insert(phases.end() - 1, flow.addedPhase);
        int number = 0;
        for (const char* phase : phases)
            Run(
                FormatSql("INSERT INTO S_FlowPhase (PhaseNo, SubFlowNo, FlowID, PhaseName) VALUES "
                          "(%d, 0, '%s', '%s')",
                          ++number, Quoted(flowId), Quoted(phase)));
        const CString formId = flowId + "-FORM";
        Run(FormatSql("INSERT INTO s_flowPhase_form (flowid, formid) VALUES ('%s', '%s')",
                      Quoted(flowId), Quoted(formId)));
        for (const char* table : flow.tables)
            Run(FormatSql("INSERT INTO S_Form_Columns (formid, tablename) VALUES ('%s', '%s')",
                          Quoted(formId), Quoted(table)));
    }

    void AddTable(const SampleMisTable& table) {
        Run(FormatSql("INSERT INTO s_dicttables (tablename, TableAlias) VALUES ('%s', '%s')",
                      Quoted(table.name), Quoted(table.alias)));
        short sequence = 0;
        for (const SampleMisField& field : table.fields)
            Run(FormatSql(
                "INSERT INTO S_DictColumns (TableName, ColumnName, ColumnAlias, DataType, "
                "Length, [Precision], DefaultValue, AllowNull, IsSys, Squence, "
                "IsPrimaryKey) VALUES ('%s', '%s', '%s', %d, %d, 0, '', %d, 0, %d, %d)",
                Quoted(table.name), Quoted(field.name), Quoted(field.alias), field.dataType,
                field.length, field.primaryKey ? 0 : 1, ++sequence, field.primaryKey ? 1 : 0));
    }

    Connection& connection_;
};

}  // namespace

bool BuildSampleMis(const std::string& connectionString, std::string& failure) {
    if (CreateMisSchema(connectionString.c_str()) != 2) {
        failure = "the MIS tables could not be created";
        return false;
    }
    ConnectionPtr connection = Connection::Create();
    try {
        connection->Open(connectionString.c_str());
        Transaction transaction(*connection);
        MisBuilder(*connection).Build();
        transaction.Commit();
        return true;
    } catch (const _com_error& error) {
        failure = "storing the sample failed: " + std::string(error.Description());
    }
    return false;
}

}  // namespace ghdb::tool
