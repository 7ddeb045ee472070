#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

static_assert(!std::is_copy_constructible_v<CLeadingConfig> &&
              !std::is_copy_assignable_v<CLeadingConfig>);

class LeadingConfigTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        config = CLeadingConfig::CreateInstanceEx(access);
    }
    void TearDown() override {
        if (config) config->ReleaseInstance();
        CatalogueTest::TearDown();
    }
    void InsertSetting(const std::string& name, const std::string& value) {
        Exec("INSERT INTO GH_ConfigInfo (ConfigItemName, ConfigItemValue, ConfigRemark) VALUES ('" +
             name + "', '" + value + "', 'remark of " + name + "')");
    }

    CLeadingConfig* config = nullptr;
};

TEST_F(LeadingConfigTest, SettingsAreReadOnceAndKeptUntilReleased) {
    InsertSetting("DefaultLayerScale", "500");
    InsertSetting("ArcSymbolPath", "/gis/symbols");
    InsertSetting("DWGSharedPath", "/dwg");
    InsertSetting("MISConnectionString", "Provider=SQLOLEDB;Data Source=mis");
    InsertSetting("ReliefMapConnectionString", "relief");
    InsertSetting("NotFreshGroupString", "1,2");
    InsertSetting("A", "first");
    InsertSetting("A", "last");
    StatementLog& log = LogStatements();
    EXPECT_DOUBLE_EQ(config->GetDefaultLayerScale(), 0.002);
    EXPECT_EQ(config->GetArcSymbolPath(), "/gis/symbols");
    EXPECT_EQ(config->GetSharedPath(), "/dwg");
    EXPECT_EQ(config->GetMISConnectionString(), "Provider=SQLOLEDB;Data Source=mis");
    EXPECT_EQ(config->GetReliefMapConnectionString(), "relief");
    EXPECT_EQ(config->GetNotFreshGroupString(), "1,2");
    EXPECT_EQ(config->GetConfigItem("A"), "last");
    EXPECT_EQ(config->GetConfigItem("a"), "");
    EXPECT_EQ(log.statements().size(), 1u);

    // Changes made around the cache show after it is released.
    Exec(
        "UPDATE GH_ConfigInfo SET ConfigItemValue = '1000' WHERE ConfigItemName = "
        "'DefaultLayerScale'");
    EXPECT_DOUBLE_EQ(config->GetDefaultLayerScale(), 0.002);
    config->ReleaseData();
    EXPECT_DOUBLE_EQ(config->GetDefaultLayerScale(), 0.001);
    EXPECT_EQ(log.statements().size(), 2u);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LeadingConfigTest, SettingsAreStoredOneByOneOrAllTogether) {
    InsertSetting("A", "1");
    EXPECT_EQ(config->SetConfigItem("A", "2", 0), 1);
    EXPECT_EQ(config->GetConfigItem("A"), "2");
    EXPECT_EQ(Rows("SELECT ConfigItemValue FROM GH_ConfigInfo"), (Table{{"1"}}));
    EXPECT_EQ(config->SetConfigItem("B's", "3", 1), 1);
    EXPECT_EQ(Rows("SELECT ConfigItemName, ConfigItemValue, ConfigRemark FROM GH_ConfigInfo "
                   "ORDER BY ConfigItemName"),
              (Table{{"A", "1", "remark of A"}, {"B's", "3", ""}}));

    // A name read but not in the table is stored empty with the rest.
    EXPECT_EQ(config->GetConfigItem("X"), "");
    EXPECT_TRUE(std::isinf(config->GetDefaultLayerScale()));
    EXPECT_EQ(config->UpdateConfigItem(), 1);
    EXPECT_EQ(Rows("SELECT ConfigItemName, ConfigItemValue, ConfigRemark FROM GH_ConfigInfo "
                   "ORDER BY ConfigItemName"),
              (Table{{"A", "2", "remark of A"},
                     {"B's", "3", ""},
                     {"DefaultLayerScale", "", ""},
                     {"X", "", ""}}));

    // A failed store says so and keeps the stored settings (two cached values are empty).
    Exec("UPDATE GH_ConfigInfo SET ConfigItemValue = ConfigItemName");
    Exec("CREATE UNIQUE INDEX GHT_Unique ON GH_ConfigInfo (ConfigItemValue)");
    EXPECT_EQ(config->UpdateConfigItem(), 0);
    EXPECT_EQ(Count("GH_ConfigInfo", "ConfigItemValue = ConfigItemName"), 4);
    EXPECT_EQ(config->SetConfigItem("Y", "X", 1), 0);
    EXPECT_EQ(messages.messages().size(), 2u);
}

TEST_F(LeadingConfigTest, CataloguesAreReadOnFirstUseAndChangedThroughTheCache) {
    const long first = AddGroup("规划");
    AddGroup("现状");
    AddGroup("kid", first);
    StatementLog& log = LogStatements();
    CGISLayerGroupSet* groups = config->RefLayerGroups();
    ASSERT_NE(groups, nullptr);
    EXPECT_EQ(config->RefLayerGroups(), groups);
    EXPECT_EQ(log.Count("SELECT"), 1);
    ASSERT_EQ(groups->GetSize(), 2);

    CGISLayerGroup added;
    added.LayerGroupName = "added";
    CGISLayerGroup* copy = config->AddNewLayerGroup(added);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(added.DispOrder, 2);
    EXPECT_EQ(groups->GetAt(2), copy);
    EXPECT_GT(copy->LayerGroupID, 0);
    EXPECT_EQ(Count("GHGIS_LayerGroup", "ParentGroupID = -1"), 3);

    groups->GetAt(1)->Remark = "edited";
    config->EditLayerGroup(1);
    config->EditLayerGroup(7);
    EXPECT_EQ(Count("GHGIS_LayerGroup", "Remark = 'edited'"), 1);
    config->DeleteLayerGroup(0);
    EXPECT_EQ(groups->GetSize(), 2);
    EXPECT_EQ(Count("GHGIS_LayerGroup"), 2);  // with its kid

    AddSpacialDB("one", kDBTypeArcSDE);
    ASSERT_EQ(config->RefSpacialDBInfos()->GetSize(), 1);
    AddSpacialDB("two", kDBTypeVexor);
    EXPECT_EQ(config->RefSpacialDBInfos()->GetSize(), 1);
    Exec("INSERT INTO GH_MISInfoURL (KeyName, MISInfoURL) VALUES ('case', 'http://c')");
    config->ReleaseData();
    EXPECT_EQ(config->RefSpacialDBInfos()->GetSize(), 2);
    ASSERT_NE(config->RefMISInfoURLs()->Find("case"), nullptr);

    // What the database refused is not kept either.
    Exec("DROP TABLE GHGIS_SpacialDBInfo");
    CSpacialDBInfo refused;
    EXPECT_EQ(config->AddNewSpacialDBInfo(refused), nullptr);
    EXPECT_EQ(config->RefSpacialDBInfos()->GetSize(), 2);
    config->DeleteSpacialDBInfo(0);
    EXPECT_EQ(config->RefSpacialDBInfos()->GetSize(), 2);
    EXPECT_FALSE(messages.messages().empty());
}

TEST_F(LeadingConfigTest, ApplicationClassesAreReadEachTimeAskedFor) {
    for (const char* row : {"3, 'A', 12, 0", "3, 'A', 13, 0", "3, 'B', 1, 1", "4, 'C', 1, 1"})
        Exec(std::string("INSERT INTO GHGIS_ApplyClass (ApplyClassID, ApplyClassName, "
                         "DataObjectID, DataObjectType) VALUES (") +
             row + ")");
    CGISApplyClassSet classes;
    classes.ApplyClassID = 3;
    EXPECT_NE(config->GetGISApplyClass(classes), 0);
    ASSERT_EQ(classes.GetSize(), 2);
    int members = 0;
    for (int i = 0; i < classes.GetSize(); ++i) {
        EXPECT_EQ(classes.GetAt(i)->ApplyClassID, 3);
        members += classes.GetAt(i)->ApplyClassData.GetSize();
    }
    EXPECT_EQ(members, 3);

    CGISApplyClassSet none;
    none.ApplyClassID = 5;
    EXPECT_EQ(config->GetGISApplyClass(none), 0);
    EXPECT_EQ(none.GetSize(), 0);
}

TEST_F(LeadingConfigTest, HoldsItsAccessObjectByReference) {
    EXPECT_EQ(access->AddReference(), 3);
    access->ReleaseInstance();
    EXPECT_NE(config->InitConnectionString(connectionString.c_str()), 0);
    config->ReleaseInstance();
    config = nullptr;
    EXPECT_EQ(access->AddReference(), 2);
    access->ReleaseInstance();
}

TEST(LeadingConfigWithoutDatabase, AnswersEmptyWithoutAnAccessObject) {
    MessageCapture messages;
    CLeadingConfig* config =
        CLeadingConfig::CreateInstance("Provider=SQLite;Data Source=/no/such/dir/config.db");
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(config->InitConnectionString("Provider=SQLite;Data Source=:memory:"), 0);
    EXPECT_EQ(config->GetConfigItem("A"), "");
    EXPECT_EQ(config->SetConfigItem("A", "1", 1), 0);
    EXPECT_EQ(config->UpdateConfigItem(), 0);
    EXPECT_EQ(config->GetDefaultLayerScale(), 0.0);
    EXPECT_EQ(config->GetMISConnectionString(), "");
    EXPECT_EQ(config->RefSpacialDBInfos(), nullptr);
    EXPECT_EQ(config->RefLayerGroups(), nullptr);
    EXPECT_EQ(config->RefMISInfoURLs(), nullptr);
    CGISApplyClassSet classes;
    EXPECT_EQ(config->GetGISApplyClass(classes), 0);
    CSpacialDBInfo db;
    EXPECT_EQ(config->AddNewSpacialDBInfo(db), nullptr);
    CGISLayerGroup group;
    EXPECT_EQ(config->AddNewLayerGroup(group), nullptr);
    config->EditSpacialDBInfo(0);
    config->EditLayerGroup(&group);
    config->DeleteSpacialDBInfo(&db);
    config->DeleteLayerGroup(0);
    config->ReleaseData();
    config->ReleaseInstance();
    EXPECT_EQ(messages.messages().size(), 1u);

    CLeadingConfig* unnamed = CLeadingConfig::CreateInstance(nullptr);
    EXPECT_EQ(unnamed->GetSharedPath(), "");
    unnamed->ReleaseInstance();
}

}  // namespace
}  // namespace ghdb::test
