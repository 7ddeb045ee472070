#include <gtest/gtest.h>

#include <sstream>

#include "support/TestDatabase.h"
#include "tools/ghdb/ConfigPrinter.h"
#include "tools/ghdb/SampleCatalogue.h"
#include "tools/ghdb/SampleConfiguration.h"

namespace ghdb::test {
namespace {

class SampleConfigurationTest : public DatabaseTest {};

TEST_F(SampleConfigurationTest, TheSampleHoldsSettingsAndAMenuThatPrintAsATree) {
    std::string failure;
    ASSERT_TRUE(tool::BuildSampleCatalogue(*access, failure)) << failure;
    long version = 0;
    EXPECT_EQ(access->GetSysVersionCode(version), 2);
    EXPECT_EQ(version, tool::kSampleVersionCode);
    CAutoReleaseArray<CGISLayer*, CGISLayer*> layers;
    EXPECT_EQ(access->GetGISLayerByFunID(202, layers), 2);
    EXPECT_EQ(layers.GetSize(), 2);

    std::ostringstream settings, menu;
    EXPECT_TRUE(tool::WriteSettings(*access, settings));
    EXPECT_EQ(settings.str().rfind("DefaultLayerScale = 500\nArcSymbolPath = ", 0), 0u);
    EXPECT_TRUE(tool::WriteMenuTree(*access, menu));
    EXPECT_EQ(menu.str().substr(0, menu.str().find("规划设计")),
              "文件 >\n"
              "  打开图纸 (function 101)\n"
              "  ----\n"
              "  导出 >\n"
              "    导出DWG (function 102)\n"
              "    导出PDF (function 103)\n");
    EXPECT_TRUE(messages.messages().empty());

    // Entries under a code that no entry has are listed after the tree.
    Exec("INSERT INTO GHSJ_MainMenu (TreeCode, ItemName, ItemID) VALUES ('57', 'lost', 99)");
    menu.str("");
    tool::WriteMenuTree(*access, menu);
    EXPECT_NE(menu.str().find("\n(under missing entry '5') lost\n"), std::string::npos);
}

}  // namespace
}  // namespace ghdb::test
