#include <gtest/gtest.h>

#include <algorithm>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

class MisTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        ASSERT_EQ(CreateMisSchema(connectionString.c_str()), 2);
        mis = CMisDBAccess::CreateInstance(connectionString.c_str());
        ASSERT_NE(mis, nullptr);
    }
    void TearDown() override {
        if (mis) mis->ReleaseInstance();
        DatabaseTest::TearDown();
    }

    // Codes and ids with an apostrophe are looked up like any other.
    void Fill() {
        Insert("S_SubSystem (SystemCode, SystemName, ParentSystem)",
               {"'GH', 'root', ''", "'YD', 'land', 'GH'", "'NP', 'blank parent', '  '",
                "'JS', 'build', 'GH'"});
        Insert("S_Business (SystemCode, BusinessCode, BusinessName)",
               {"'YD', 'B1', 'one'", "'YD', 'B''2', 'two'", "'JS', 'B3', 'three'"});
        Insert(
            "S_WorkFlows (FlowCode, FlowName, FlowType, AutoNoID, Owner, OwnerType, IsSys, Note)",
            {"'F1', 'flow one', 2, 'N1', 'me', 3, 1, 'noted'",
             "'F''2', 'flow two', 1, 'N2', 'you', 1, 0, NULL"});
        Insert("S_Business_Flows (BusinessCode, FlowCode)",
               {"'B1', 'F1'", "'B1', 'F''2'", "'B''2', 'F''2'"});
        Insert("S_Workflows_Ex (FlowID, FlowCode, IsActive, Version)",
               {"'F1-1', 'F1', 1, 1", "'F1-3', 'F1', 1, 3", "'F1-2', 'F1', 0, 2",
                "'F''2-1', 'F''2', 1, 1"});
        Insert("S_FlowPhase (PhaseNo, SubFlowNo, FlowID, PhaseName)",
               {"1, 0, 'F1-3', 'accept'", "2, 1, 'F1-3', 'review'", "1, 0, 'F''2-1', 'only'"});
        Insert("s_dicttables (tablename, TableAlias)",
               {"'T_A', 'table a'", "'T_B', 'table b'", "'T_C', 'unused'"});
        Insert("s_flowPhase_form (flowid, formid)", {"'F1-3', 'FORM1'", "'F1-3', 'FORM2'"});
        Insert("S_Form_Columns (formid, tablename)",
               {"'FORM1', 'T_A'", "'FORM1', 'T_A'", "'FORM2', 'T_B'"});
        Insert("S_DictColumns (TableName, ColumnName, ColumnAlias, [Precision])",
               {"'T_A', 'ID', 'key', 2"});
        Insert("MWRKFLWDEF (NAME, serial)", {"'late', 2", "'early', 1"});
        Insert("OAGROUP (ROLEID, WRKNAME, STPNAME)", {"5, 'early', 'check'", "6, 'late', 'sign'"});
        Insert("MWFLENUMTABS (workflow, tabname, colname)",
               {"'early', 'OLD_T', 'C1'", "'early', 'OLD_T', 'C2'", "'early', 'OLD_T', 'C1'"});
    }

    using Names = std::vector<std::string>;

    CMisDBAccess* mis = nullptr;
};

TEST_F(MisTest, CreationCountingAndCopiesSharingOneConnection) {
    EXPECT_EQ(CMisDBAccess::CreateInstance(nullptr), nullptr);
    EXPECT_EQ(CMisDBAccess::CreateInstance(""), nullptr);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(CMisDBAccess::CreateInstance("Provider=SQLite;Data Source=/nonexistent/x.db"),
              nullptr);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "连接数据库失败!");
    messages.clear();
    EXPECT_EQ(mis->ConnectionString(), connectionString.c_str());

    Fill();
    EXPECT_EQ(mis->AddReference(), 2);
    EXPECT_EQ(mis->AddReference(), 3);
    // A copy takes the count as it is.
    auto* copy = new CMisDBAccess(*mis);
    EXPECT_EQ(copy->AddReference(), 4);
    EXPECT_EQ(mis->ReleaseInstance(), 2);
    EXPECT_EQ(mis->ReleaseInstance(), 1);
    EXPECT_EQ(mis->ReleaseInstance(), 0);
    mis = copy;
    // The connection outlives the object it was opened by.
    CArray<CMISSubSystem, CMISSubSystem&> systems;
    EXPECT_EQ(mis->GetAllMISSubSytem(systems), 2);
    {
        CMisDBAccess assigned(*mis);
        CMisDBAccess* other = CMisDBAccess::CreateInstance(connectionString.c_str());
        ASSERT_NE(other, nullptr);
        *other = assigned;
        EXPECT_EQ(other->ReleaseInstance(), 3);
        delete other;
        EXPECT_EQ(assigned.GetAllMISSubSytem(systems), 2);
    }
    EXPECT_EQ(mis->GetAllMISSubSytem(systems), 2);
    EXPECT_EQ(systems.GetSize(), 6);
    EXPECT_EQ(mis->ReleaseInstance(), 3);
    EXPECT_EQ(mis->ReleaseInstance(), 2);
    EXPECT_EQ(mis->ReleaseInstance(), 1);
    EXPECT_TRUE(messages.messages().empty());

    // At the connection: the last of its sharers closes it.
    CRecordAccess first(nullptr, CRecordAccess::UpdateFailure::Report);
    CRecordAccess second(nullptr, CRecordAccess::UpdateFailure::Report);
    ASSERT_EQ(first.SetConnectionString(connectionString.c_str()), 0);
    second.ShareConnection(first);
    const ConnectionPtr shared = first.Connection();
    EXPECT_EQ(second.Connection(), shared);
    EXPECT_EQ(second.ConnectionString(), connectionString.c_str());
    first.ReleaseConnection();
    EXPECT_EQ(shared->GetState(), adStateOpen);
    second.ReleaseConnection();
    EXPECT_EQ(shared->GetState(), adStateClosed);
}

TEST_F(MisTest, DeletingTakesAQueryAndAFailedInsertIsADatabaseError) {
    // The generic operations as the MIS access object has them.
    CRecordAccess db(nullptr, CRecordAccess::UpdateFailure::Report,
                     CRecordAccess::Deleting::RowsOfQuery);
    ASSERT_EQ(db.SetConnectionString(connectionString.c_str()), 0);
    Fill();
    EXPECT_EQ(db.DeleteRecordInfo("SELECT * FROM S_FlowPhase WHERE FlowID = 'none'"), 1);
    EXPECT_EQ(Count("S_FlowPhase"), 3);
    EXPECT_EQ(db.DeleteRecordInfo("SELECT * FROM MWFLENUMTABS WHERE workflow = 'early'"), 2);
    EXPECT_EQ(Count("MWFLENUMTABS"), 0);
    EXPECT_EQ(Count("OAGROUP"), 2);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(db.DeleteRecordInfo("SELECT * FROM NoSuchTable"), -1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");

    messages.clear();
    Exec("CREATE UNIQUE INDEX S_SubSystem_Code ON S_SubSystem (SystemCode)");
    CMISSubSystem duplicate;
    duplicate.SystemCode = "YD";
    EXPECT_EQ(db.AddNewOneRecordInfo("SELECT * FROM S_SubSystem WHERE (1 = -1)", &duplicate), -1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
}

TEST_F(MisTest, SubSystemsBusinessesAndWorkFlowCodes) {
    Fill();
    CArray<CMISSubSystem, CMISSubSystem&> systems;
    ASSERT_EQ(mis->GetAllMISSubSytem(systems), 2);
    EXPECT_EQ(Each(systems, [](auto& s) { return Row(s.SystemCode, s.SystemName); }),
              (Table{{"YD", "land"}, {"JS", "build"}}));
    // Records read here hold no access object.
    EXPECT_EQ(systems[0].RefDBClassAccess(), nullptr);

    CArray<CMISBusiness, CMISBusiness&> businesses;
    ASSERT_EQ(mis->GetBusinessInSubSystem("YD", businesses), 2);
    EXPECT_EQ(mis->GetBusinessInSubSystem("GH", businesses), 1);
    EXPECT_EQ(mis->GetBusinessInSubSystem("Y'D", businesses), 1);
    EXPECT_EQ(Each(businesses, [](auto& b) { return Row(b.BusinessCode, b.BusinessName); }),
              (Table{{"B1", "one"}, {"B'2", "two"}}));

    // A NULL note after a row with one reads as empty.
    CArray<CMISWorkFlowCode, CMISWorkFlowCode&> codes;
    ASSERT_EQ(mis->GetWorkFlowCodeInBusiness("B1", codes), 2);
    EXPECT_EQ(mis->GetWorkFlowCodeInBusiness("B'2", codes), 2);
    EXPECT_EQ(Each(codes, [](auto& c) { return Row(c.FlowCode, c.Note, c.IsSys ? 1 : 0); }),
              (Table{{"F1", "noted", "1"}, {"F'2", "", "0"}, {"F'2", "", "0"}}));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MisTest, ActiveWorkFlowVersionsNewestFirst) {
    Fill();
    const auto ids = [](auto& flows) {
        return Each(flows, [](auto& f) { return Text(f.FlowID); });
    };
    CArray<CMISWorkFlow, CMISWorkFlow&> versions;
    ASSERT_EQ(mis->GetWorkFlowInFlowCode("F1", versions), 2);
    EXPECT_EQ(ids(versions), (Names{"F1-3", "F1-1"}));
    EXPECT_EQ(Row(versions[0].Version, versions[0].IsActive ? 1 : 0), Row(3, 1));
    versions.RemoveAll();
    ASSERT_EQ(mis->GetWorkFlowInSameFlowID("F1-1", versions), 2);
    EXPECT_EQ(mis->GetWorkFlowInSameFlowID("F'2-1", versions), 2);
    EXPECT_EQ(ids(versions), (Names{"F1-3", "F1-1", "F'2-1"}));

    // Every active version with its code; the version itself is not in the result.
    versions.RemoveAll();
    ASSERT_EQ(mis->GetAllMISWorkFlow(versions), 2);
    auto all = Each(
        versions, [](auto& f) { return Row(f.FlowID, f.FlowCode, f.Version, f.IsActive ? 1 : 0); });
    std::ranges::sort(all);
    EXPECT_EQ(
        all,
        (Table{{"F'2-1", "F'2", "0", "0"}, {"F1-1", "F1", "0", "0"}, {"F1-3", "F1", "0", "0"}}));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MisTest, PhasesTablesAndFieldsOfBothSchemas) {
    Fill();
    CArray<CMISWorkPhase, CMISWorkPhase&> phases;
    ASSERT_EQ(mis->GetMISWorkPhase("F1-3", phases), 2);
    ASSERT_EQ(mis->GetMISWorkPhase("F'2-1", phases), 2);
    EXPECT_EQ(Each(phases, [](auto& p) { return Row(p.PhaseName, p.PhaseNo, p.SubFlowNo); }),
              (Table{{"accept", "1", "0"}, {"review", "2", "1"}, {"only", "1", "0"}}));

    CArray<CMISTable, CMISTable&> tables;
    ASSERT_EQ(mis->GetAllTablesInFlow("F1-3", tables, 0), 2);
    ASSERT_EQ(mis->GetAllTablesInFlow("early", tables, 1), 2);
    EXPECT_EQ(Each(tables, [](auto& t) { return Row(t.tablename, t.TableAlias); }),
              (Table{{"T_A", "table a"}, {"T_B", "table b"}, {"OLD_T", "OLD_T"}}));

    CArray<CMISField, CMISField&> fields;
    ASSERT_EQ(mis->GetAllFieldsInTable("T_A", fields, 0), 2);
    EXPECT_EQ(Each(fields, [](auto& f) { return Row(f.ColumnName, f.ColumnAlias, f.Precision); }),
              (Table{{"ID", "key", "2"}}));
    fields.RemoveAll();
    ASSERT_EQ(mis->GetAllFieldsInTable("OLD_T", fields, 1), 2);
    auto columns = Each(fields, [](auto& f) { return Row(f.ColumnName, f.ColumnAlias); });
    std::ranges::sort(columns);
    EXPECT_EQ(columns, (Table{{"C1", "C1"}, {"C2", "C2"}}));

    CArray<CMISWorkFlow27, CMISWorkFlow27&> flows27;
    ASSERT_EQ(mis->GetMISWorkFlows27(flows27), 2);
    EXPECT_EQ(Each(flows27, [](auto& f) { return Text(f.NAME); }), (Names{"early", "late"}));
    CArray<CMISWorkPhase27, CMISWorkPhase27&> phases27;
    ASSERT_EQ(mis->GetMISWorkPhase27("late", phases27), 2);
    EXPECT_EQ(mis->GetMISWorkPhase27("o'clock", phases27), 1);
    EXPECT_EQ(Each(phases27, [](auto& p) { return Row(p.ROLEID, p.STPNAME); }),
              (Table{{"6", "sign"}}));
    EXPECT_TRUE(messages.messages().empty());

    // A table missing in the MIS database fails the query with the engine's text.
    Exec("DROP TABLE OAGROUP");
    EXPECT_EQ(mis->GetMISWorkPhase27("late", phases27), -1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(ContainsNoCase(messages.messages()[0].text, "OAGROUP"));
}

}  // namespace
}  // namespace ghdb::test
