#include <cmath>
#include <type_traits>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

static_assert(!std::is_copy_constructible_v<CLeadingConfig> &&
              !std::is_copy_assignable_v<CLeadingConfig>);

class LeadingConfigTest : public FamilyTest {
protected:
    void SetUp() override {
        FamilyTest::SetUp();
        config = CLeadingConfig::CreateInstanceEx(access);
    }
    void TearDown() override {
        if (config) config->ReleaseInstance();
        FamilyTest::TearDown();
    }
    Table Settings() {
        return Rows("SELECT ConfigItemName, ConfigItemValue FROM GH_ConfigInfo ORDER BY 1");
    }

    CLeadingConfig* config = nullptr;
};

TEST_F(LeadingConfigTest, SettingsAreReadOnceAndKeptUntilReleased) {
    Insert(kSettings, {"'DefaultLayerScale', '500', ''", "'ArcSymbolPath', '/sym', ''",
                       "'DWGSharedPath', '/dwg', ''", "'MISConnectionString', 'mis', ''",
                       "'ReliefMapConnectionString', 'relief', ''",
                       "'NotFreshGroupString', '1,2', ''", "'A', 'first', ''", "'A', 'last', ''"});
    StatementLog log(access->RefConnection());
    EXPECT_DOUBLE_EQ(config->GetDefaultLayerScale(), 0.002);
    const CString values[] = {
        config->GetArcSymbolPath(), config->GetSharedPath(), config->GetMISConnectionString(),
        config->GetReliefMapConnectionString(), config->GetNotFreshGroupString()};
    EXPECT_EQ(std::vector<CString>(std::begin(values), std::end(values)),
              (std::vector<CString>{"/sym", "/dwg", "mis", "relief", "1,2"}));
    EXPECT_EQ(config->GetConfigItem("A"), "last");
    EXPECT_EQ(config->GetConfigItem("a"), "");
    EXPECT_EQ(log.statements().size(), 1u);

    // Changes made around the cache show once it is released.
    Exec(
        "UPDATE GH_ConfigInfo SET ConfigItemValue = '' WHERE ConfigItemName = 'DefaultLayerScale'");
    EXPECT_DOUBLE_EQ(config->GetDefaultLayerScale(), 0.002);
    config->ReleaseData();
    EXPECT_TRUE(std::isinf(config->GetDefaultLayerScale()));
}

TEST_F(LeadingConfigTest, SettingsAreStoredOneByOneOrAllTogether) {
    Insert(kSettings, {"'A', '1', 'kept'"});
    EXPECT_EQ(config->SetConfigItem("A", "2", 0), 1);
    EXPECT_EQ(config->GetConfigItem("A"), "2");
    EXPECT_EQ(Settings(), (Table{{"A", "1"}}));
    EXPECT_EQ(config->SetConfigItem("B's", "3", 1), 1);
    EXPECT_EQ(Settings(), (Table{{"A", "1"}, {"B's", "3"}}));
    // A name read but not in the table is stored, empty, with the rest.
    EXPECT_EQ(config->GetConfigItem("X"), "");
    EXPECT_EQ(config->UpdateConfigItem(), 1);
    EXPECT_EQ(Settings(), (Table{{"A", "2"}, {"B's", "3"}, {"X", ""}}));
    EXPECT_EQ(Count("GH_ConfigInfo", "ConfigRemark = 'kept'"), 1);

    // A failed store says so and keeps the stored settings.
    Exec("CREATE UNIQUE INDEX GHT_Unique ON GH_ConfigInfo (ConfigItemValue)");
    config->SetConfigItem("X", "3", 0);
    EXPECT_EQ(config->UpdateConfigItem(), 0);
    EXPECT_EQ(config->SetConfigItem("Y", "2", 1), 0);
    EXPECT_EQ(Settings(), (Table{{"A", "2"}, {"B's", "3"}, {"X", ""}}));
    EXPECT_EQ(messages.messages().size(), 2u);
}

TEST_F(LeadingConfigTest, CataloguesAreReadOnFirstUseAndChangedThroughTheCache) {
    const long first = AddGroup("规划");
    AddGroup("现状");
    AddGroup("kid", first);
    StatementLog log(access->RefConnection());
    CGISLayerGroupSet* groups = config->RefLayerGroups();
    ASSERT_EQ(config->RefLayerGroups(), groups);
    EXPECT_EQ(log.Count("SELECT"), 1);
    ASSERT_EQ(groups->GetSize(), 2);

    CGISLayerGroup added;
    CGISLayerGroup* copy = config->AddNewLayerGroup(added);
    EXPECT_EQ(added.DispOrder, 2);
    ASSERT_EQ(groups->GetAt(2), copy);
    EXPECT_EQ(Count("GHGIS_LayerGroup", "LayerGroupID = " + N(copy->LayerGroupID)), 1);
    groups->GetAt(1)->Remark = "edited";
    config->EditLayerGroup(1);
    config->EditLayerGroup(7);
    EXPECT_EQ(Count("GHGIS_LayerGroup", "Remark = 'edited'"), 1);
    config->DeleteLayerGroup(0);
    EXPECT_EQ(groups->GetSize(), 2);
    EXPECT_EQ(Count("GHGIS_LayerGroup"), 2);  // the kid went with its parent

    AddSpacialDB("one", kDBTypeArcSDE);
    ASSERT_EQ(config->RefSpacialDBInfos()->GetSize(), 1);
    AddSpacialDB("two", kDBTypeVexor);
    Insert("GH_MISInfoURL (KeyName, MISInfoURL)", {"'case', 'http://c'"});
    config->ReleaseData();
    EXPECT_EQ(config->RefSpacialDBInfos()->GetSize(), 2);
    EXPECT_NE(config->RefMISInfoURLs()->Find("case"), nullptr);

    // What the database refused is not kept, and what it kept stays.
    Exec("DROP TABLE GHGIS_SpacialDBInfo");
    CSpacialDBInfo refused;
    EXPECT_EQ(config->AddNewSpacialDBInfo(refused), nullptr);
    config->DeleteSpacialDBInfo(0);
    EXPECT_EQ(config->RefSpacialDBInfos()->GetSize(), 2);
}

TEST_F(LeadingConfigTest, ApplicationClassesAreReadForTheSetsIdentifier) {
    Insert("GHGIS_ApplyClass (ApplyClassID, ApplyClassName, DataObjectID, DataObjectType)",
           {"3, 'A', 12, 0", "3, 'A', 13, 0", "3, 'B', 1, 1", "4, 'C', 1, 1"});
    CGISApplyClassSet classes;
    classes.ApplyClassID = 3;
    EXPECT_NE(config->GetGISApplyClass(classes), 0);
    ASSERT_EQ(classes.GetSize(), 2);
    EXPECT_EQ(
        classes.GetAt(0)->ApplyClassData.GetSize() + classes.GetAt(1)->ApplyClassData.GetSize(), 3);
    classes.ApplyClassID = 5;
    EXPECT_EQ(config->GetGISApplyClass(classes), 0);
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
    EXPECT_EQ(config->InitConnectionString("Provider=SQLite;Data Source=:memory:"), 0);
    EXPECT_EQ(config->GetConfigItem("A"), "");
    EXPECT_EQ(config->SetConfigItem("A", "1", 1), 0);
    EXPECT_EQ(config->UpdateConfigItem(), 0);
    EXPECT_EQ(config->GetDefaultLayerScale(), 0.0);
    EXPECT_EQ(config->RefSpacialDBInfos(), nullptr);
    EXPECT_EQ(config->RefLayerGroups(), nullptr);
    EXPECT_EQ(config->RefMISInfoURLs(), nullptr);
    CGISApplyClassSet classes;
    EXPECT_EQ(config->GetGISApplyClass(classes), 0);
    CSpacialDBInfo db;
    EXPECT_EQ(config->AddNewSpacialDBInfo(db), nullptr);
    CGISLayerGroup group;
    EXPECT_EQ(config->AddNewLayerGroup(group), nullptr);
    config->EditLayerGroup(&group);
    config->DeleteSpacialDBInfo(&db);
    config->DeleteLayerGroup(0);
    config->ReleaseInstance();
    EXPECT_EQ(messages.messages().size(), 1u);  // the failed open only
}

}  // namespace
}  // namespace ghdb::test
