#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/TestDatabase.h"
#include "tools/ghdb/ConfigPrinter.h"
#include "tools/ghdb/SampleCatalogue.h"
#include "tools/ghdb/SampleConfiguration.h"

namespace ghdb::test {
namespace {

class SampleConfigurationTest : public DatabaseTest {};

TEST_F(SampleConfigurationTest, TheSampleHoldsSettingsMenuSpecialtiesAndTheyPrint) {
    std::string failure;
    ASSERT_TRUE(tool::BuildSampleCatalogue(*access, failure)) << failure;

    CLeadingConfig* config = CLeadingConfig::CreateInstanceEx(access);
    EXPECT_DOUBLE_EQ(config->GetDefaultLayerScale(), 0.002);
    EXPECT_EQ(config->GetMISConnectionString(), tool::SampleSettings()[3].value);
    EXPECT_NE(config->RefMISInfoURLs()->Find("CaseInfo"), nullptr);
    config->ReleaseInstance();
    long version = 0;
    EXPECT_EQ(access->GetSysVersionCode(version), 2);
    EXPECT_EQ(version, tool::kSampleVersionCode);

    std::ostringstream settings;
    EXPECT_TRUE(tool::WriteSettings(*access, settings));
    EXPECT_EQ(settings.str().rfind("DefaultLayerScale = 500\nArcSymbolPath = ", 0), 0u);

    std::ostringstream menu;
    EXPECT_TRUE(tool::WriteMenuTree(*access, menu));
    EXPECT_EQ(menu.str(),
              "文件 >\n"
              "  打开图纸 (function 101)\n"
              "  ----\n"
              "  导出 >\n"
              "    导出DWG (function 102)\n"
              "    导出PDF (function 103)\n"
              "规划设计 >\n"
              "  道路设计 >\n"
              "    绘制道路中心线 (function 201)\n"
              "    生成道路红线 (function 202)\n"
              "  管线设计 >\n"
              "    布置给水管线 (function 301)\n"
              "    布置排水管线 (function 302)\n"
              "帮助 >\n"
              "  关于 (function 901)\n");

    CAutoReleaseArray<CGISLayer*, CGISLayer*> roadLayers;
    EXPECT_EQ(access->GetGISLayerByFunID(202, roadLayers), 2);
    EXPECT_EQ(roadLayers.GetSize(), 2);
    EXPECT_EQ(Count("GHSJ_GISLayerSpecialty", "SpecialtyID = 3"), 3);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SampleConfigurationTest, MenuEntriesUnderAMissingEntryAreListedAfterTheTree) {
    Exec("INSERT INTO GHSJ_MainMenu (TreeCode, ItemName, PopUp, ItemID) VALUES ('0', 'top', 1, 1)");
    Exec(
        "INSERT INTO GHSJ_MainMenu (TreeCode, ItemName, FunctionID, ItemID) VALUES ('57', "
        "'lost', 4, 2)");
    std::ostringstream menu;
    EXPECT_TRUE(tool::WriteMenuTree(*access, menu));
    EXPECT_EQ(menu.str(), "top >\n(under missing entry '5') lost (function 4)\n");

    Exec("DROP TABLE GHSJ_MainMenu");
    EXPECT_FALSE(tool::WriteMenuTree(*access, menu));
}

}  // namespace
}  // namespace ghdb::test
