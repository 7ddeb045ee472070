#include <gtest/gtest.h>

#include <string>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

CGHRoadBoardWay WayWithScene(const char* scene, double width) {
    CGHRoadBoardWay way;
    way.ScenBlockName = scene;
    way.Width = width;
    return way;
}

CGHRoadStandard StandardOfTypes(long flags, bool city) {
    CGHRoadStandard standard;
    standard.HasRoadTypes = flags;
    standard.IsCityRoad = city;
    return standard;
}

TEST(RoadNamesTest, CodesAndNamesConvertByTheirTables) {
    CGHRoadRadius radius;
    radius.enuRoadGrade1 = 5;
    radius.enuRoadGrade2 = 6;
    radius.enuRoadLineType = 4;
    radius.LineType = 3;
    radius.enuCornerType = 7;
    CCrossConfigInfo cross;
    cross.RoadlineType = 1;
    cross.TuoCircle = 2;
    CGHRoadBoard board(1, 1, "三块板");
    CGHRoadBoardWay middle;
    middle.Pos = 1;

    struct Check {
        const char* what;
        std::string got;
        std::string expected;
    };
    const Check checks[] = {
        {"grade of a name with blanks", Text(CGHRoadRadius::GetRoadGradeFromName(" 主干路\t ")),
         "2"},
        {"grade of an unknown name", Text(CGHRoadRadius::GetRoadGradeFromName("主干")), "-1"},
        {"grade names", Text(radius.GetRoadGrade1() + "|" + radius.GetRoadGrade2()), "对外道路|"},
        {"road line name", Text(radius.GetRoadLineType()), "道路红线"},
        {"road line 1 is shown", Text(CCrossConfigInfo::GetRoadLineTypeDes(1)), "植树线"},
        {"road line 1 is not parsed", Text(CGHRoadRadius::GetRoadLineTypeFromName("植树线")), "-1"},
        {"kerb line is parsed", Text(CGHRoadRadius::GetRoadLineTypeFromName(" 路缘石线")), "3"},
        {"drawn line name", Text(radius.GetLineType()), "中线抹角线"},
        {"drawn line of a name", Text(CGHRoadRadius::GetLineTypeFromName("内侧转角线")), "1"},
        {"corner name", Text(radius.GetCornerType()), "拓宽"},
        {"corner codes have gaps", Text(CCrossConfigInfo::GetRoadCornerTypeDes(3)), ""},
        {"corner of a name", Text(CGHRoadRadius::GetCornerTypeFromName("拓宽 ")), "7"},
        {"radius of a text", Text(CGHRoadRadius::GetRadiusFromName(" 12.5m")), "12.5"},
        {"radius of no number", Text(CGHRoadRadius::GetRadiusFromName("R")), "0"},
        {"cross names", Text(cross.GetRoadLineType() + "|" + cross.GetTuoCirle()),
         "植树线|不倒圆角"},
        {"rounding is not trimmed", Text(CCrossConfigInfo::GetTuoCirleFromDes(" 倒圆角")), "-1"},
        {"rounding of a name", Text(CCrossConfigInfo::GetTuoCirleFromDes("倒圆角")), "1"},
        {"road types 1 and 4", Text(StandardOfTypes(5, true).GetHasRoadTypesName()),
         "一线路五线路"},
        {"road type 8 alone", Text(StandardOfTypes(8, false).GetHasRoadTypesName()), ""},
        {"city road", Text(StandardOfTypes(0, true).GetIsCityRoadName()), "是"},
        {"not a city road", Text(StandardOfTypes(0, false).GetIsCityRoadName()), "否"},
        {"board road type", Text(board.GetRoadType()), "三线路"},
        {"board road type of a name", Text(CGHRoadBoard::GetRoadTypeFromName("  三线路 ")), "1"},
        {"board road type 3", Text(CGHRoadBoard(1, 3, "").GetRoadType()), ""},
        {"position name", Text(middle.GetPosName()), "中"},
        {"position is not trimmed", Text(CGHRoadBoardWay::GetPosFromName(" 左")), "-1"},
        {"position of a name", Text(CGHRoadBoardWay::GetPosFromName("右")), "2"},
        {"digit of a position", Text(CGHRoadBoardWay::GetstrPosFromName("中")), "1"},
        {"digit of no position", Text(CGHRoadBoardWay::GetstrPosFromName("上")), "-1"},
        {"scene name", Text(WayWithScene("人行道;2", 0).GetScenName()), "人行道"},
        {"scene position", Text(WayWithScene("人行道;2", 0).GetScenPos()), "右"},
        {"scene without separator", Text(WayWithScene("人行道", 0).GetScenName()), "人行道"},
        {"position without separator", Text(WayWithScene("人行道", 0).GetScenPos()), ""},
        {"position of two digits", Text(WayWithScene("a;21", 0).GetScenPos()), ""},
        {"width rounded", Text(WayWithScene("", 3.456).GetWidth()), "3.46"},
        {"whole width", Text(WayWithScene("", 7).GetWidth()), "7.00"},
    };
    for (const Check& check : checks) EXPECT_EQ(check.got, check.expected) << check.what;
}

TEST(RoadNamesTest, MembersWithoutAGivenDefaultStartAtZero) {
    const CGHMeaning meaning;
    EXPECT_EQ(meaning.ParentID, 0);
    EXPECT_EQ(meaning.UserData, 0u);
    const CGHRoadRadius radius;
    EXPECT_EQ(radius.enuRoadGrade1 | radius.enuRoadGrade2 | radius.enuRoadLineType |
                  radius.LineType | radius.enuCornerType,
              0);
    const CCrossConfigInfo cross;
    EXPECT_EQ(cross.RoadGrade1 | cross.CornerType | cross.TuoCircle, 0);
    EXPECT_EQ(cross.Angle_Start + cross.RoadWidth2_Start + cross.GreenLength, 0.0);
    const CGHRoadStandard standard;
    EXPECT_EQ(standard.MLayerID | standard.HasRoadTypes | standard.TLayerID, 0);
    EXPECT_FALSE(standard.IsCityRoad);
    const CGHRoadBoardWay way;
    EXPECT_EQ(way.RoadBoardID | way.Sequence | way.RoadWayID | way.Pos, 0);
    EXPECT_EQ(way.Width, 0.0);
}

}  // namespace
}  // namespace ghdb::test
