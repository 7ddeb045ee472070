#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/TestDatabase.h"
#include "tools/ghdb/RoadsPrinter.h"
#include "tools/ghdb/SampleCatalogue.h"

namespace ghdb::test {
namespace {

using RoadsPrinterTest = DatabaseTest;

TEST_F(RoadsPrinterTest, ShowsTheSampleStandardsWithTheirBoardsWaysAndRadii) {
    std::string failure;
    ASSERT_TRUE(tool::BuildSampleCatalogue(*access, failure)) << failure;
    std::ostringstream out;
    EXPECT_TRUE(tool::WriteRoadStandards(*access, out));
    EXPECT_EQ(out.str(),
              "主干道中心线 [layer 1, city road, 一线路三线路]\n"
              "  R 道路红线, E 道路边线\n"
              "  board 一块板 [一线路]\n"
              "    左 人行道 5.00\n"
              "    中 机动车道 14.00\n"
              "    右 人行道 5.00\n"
              "    widths 24;30\n"
              "  board 三块板 [三线路]\n"
              "    左 人行道 4.00\n"
              "    左 非机动车道 3.50\n"
              "    左 绿化带 2.00\n"
              "    中 机动车道 15.00\n"
              "    右 绿化带 2.00\n"
              "    右 非机动车道 3.50\n"
              "    右 人行道 4.00\n"
              "    widths 40;50\n"
              "  radius of road type 0: 25 (主干路/主干路, 路缘石线, 内侧转角线, 圆角)\n"
              "  radius of road type 1: 25 (主干路/主干路, 路缘石线, 内侧转角线, 圆角)\n"
              "次干道中心线 [layer 2, city road, 一线路]\n"
              "  R 道路红线, E 道路边线\n"
              "  board 一块板 [一线路]\n"
              "    左 人行道 5.00\n"
              "    中 机动车道 14.00\n"
              "    右 人行道 5.00\n"
              "    widths 24;30\n"
              "  radius of road type 0: 20 (主干路/次干路, 路缘石线, 内侧转角线, 圆角)\n");

    // The sample's planning meanings form one tree under two roots.
    CAutoReleaseArray<CGHMeaning*, CGHMeaning*&> meanings;
    ASSERT_EQ(access->GetAllGHMeaning(meanings), 2);
    int roots = 0;
    for (CGHMeaning* meaning : meanings)
        if (meaning->FindTopParent(meanings) == meaning) ++roots;
    EXPECT_EQ(roots, 2);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
