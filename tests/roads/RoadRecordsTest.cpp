#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

using RoadRecordsTest = FamilyTest;

// Replacing standards or ways leaves the rows that name them; board ways are attached.
TEST_F(RoadRecordsTest, ReplacementsLeaveTheRowsLinkedToThem) {
    Insert("GHSJ_RoadStandardBoardConfig (RoadStandardID, RoadBoardID)", {"11, 1"});
    Insert("GHSJ_RoadWaySceneConfig (RoadWayID, ScenBlockName)", {"3, 'a'", "3, 'b'", "4, 'c'"});
    CAutoReleaseArray<CGHRoadStandard*, CGHRoadStandard*&> standards;
    auto* standard = new CGHRoadStandard;
    standard->MLayerID = 11;
    standards.Add(standard);
    ASSERT_EQ(access->EditAllGHRoadStandard(standards), 2);
    CArray<CGHRoadWay*, CGHRoadWay*&> noWays;
    EXPECT_EQ(access->EditAllGHRoadWay(noWays), 1);
    EXPECT_EQ(Count("GHSJ_RoadStandardBoardConfig") + Count("GHSJ_RoadWaySceneConfig"), 4);
    CAutoReleaseArray<CGHRoadWayScene*, CGHRoadWayScene*&> scenes;
    EXPECT_EQ(access->GetGHRoadWayScene(3, scenes), 2);
    EXPECT_EQ(scenes.GetSize(), 2);

    CAutoReleaseArray<CGHRoadBoardWay*, CGHRoadBoardWay*&> ways;
    auto* way = new CGHRoadBoardWay;
    ways.Add(way);
    ASSERT_EQ(access->EditAllGHRoadBoardWay(ways), 2);
    EXPECT_EQ(ways[0]->RefDBClassAccess(), access);
}

TEST_F(RoadRecordsTest, StandardsUsingALayerInAnyRoleGoSilentlyAndTheirLinksStay) {
    Insert("GHSJ_RoadLayerConfig (MLayerID, RLayerID, ELayerID, GLayerID, TLayerID)",
           {"12, 1, 2, 3, 4", "20, 12, 2, 3, 4", "21, 1, 12, 3, 4", "22, 1, 2, 12, 4",
            "23, 1, 2, 3, 12", "30, 31, 32, 33, 34"});
    Insert("GHSJ_RoadStandardBoardConfig (RoadStandardID, RoadBoardID)", {"20, 1"});
    Insert("GHSJ_RoadStandardRadiusInfoConfig (RoadStandardID, RoadTypeID, RadiusID)",
           {"21, 1, 1"});

    StatementLog& log = LogStatements();
    EXPECT_EQ(access->DeleteRoadStandByLayerID(12), 2);
    EXPECT_EQ(log.statements(),
              std::vector<std::string>{
                  "delete FROM GHSJ_RoadLayerConfig \t\t\t\t\tWHERE\tMLayerID = 12 OR "
                  "\t\t\t\t\t\t\tRLayerID = 12 OR \t\t\t\t\t\t\tELayerID = 12 OR "
                  "\t\t\t\t\t\t\tGLayerID = 12 OR \t\t\t\t\t\t\tTLayerID = 12"});
    EXPECT_EQ(Rows("SELECT MLayerID FROM GHSJ_RoadLayerConfig"), (Table{{"30"}}));
    EXPECT_EQ(Count("GHSJ_RoadStandardBoardConfig"), 1);
    EXPECT_EQ(Count("GHSJ_RoadStandardRadiusInfoConfig"), 1);

    Exec("DROP TABLE GHSJ_RoadLayerConfig");
    EXPECT_EQ(access->DeleteRoadStandByLayerID(30), 1);
    EXPECT_TRUE(messages.messages().empty());
}

// Crossing corners are synchronised by the ID the database assigns.
TEST_F(RoadRecordsTest, CrossingCornersAreSynchronisedById) {
    CArray<CCrossConfigInfo, CCrossConfigInfo&> configs;
    configs.SetSize(3);
    for (int i = 0; i < 3; ++i) configs[i].RoadGrade1 = i + 1;
    ASSERT_EQ(access->EditAllCrossRadiusConfig(configs), 2);
    // Three elements without an id make three rows, each with its own new id.
    const long second = configs[1].ID;
    EXPECT_NE(configs[0].ID, second);
    EXPECT_NE(configs[2].ID, second);
    EXPECT_EQ(Count("GHSJ_RoadCornerOfCrossConfig"), 3);

    // One kept and rewritten in place, one new, the others removed.
    CArray<CCrossConfigInfo, CCrossConfigInfo&> next;
    next.Add(configs[1]);
    next[0].Radius = 12.5;
    next[0].RoadTuoParamFirst = "o'clock";
    next.SetSize(2);
    next[1].RoadGrade1 = 5;
    ASSERT_EQ(access->EditAllCrossRadiusConfig(next), 2);
    EXPECT_EQ(next[0].ID, second);
    EXPECT_NE(next[1].ID, -1);

    CArray<CCrossConfigInfo, CCrossConfigInfo&> read;
    ASSERT_EQ(access->GetAllCrossRadiusConfig(read), 2);
    auto rows =
        Each(read, [](auto& c) { return Row(c.ID, c.RoadGrade1, c.Radius, c.RoadTuoParamFirst); });
    Table expected{Row(second, 2, 12.5, "o'clock"), Row(next[1].ID, 5, 0.0, "")};
    std::ranges::sort(rows);
    std::ranges::sort(expected);
    EXPECT_EQ(rows, expected);

    CArray<CCrossConfigInfo, CCrossConfigInfo&> none;
    EXPECT_EQ(access->EditAllCrossRadiusConfig(none), 2);
    EXPECT_EQ(access->GetAllCrossRadiusConfig(none), 1);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
