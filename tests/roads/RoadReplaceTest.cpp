#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

// One replace-all operation: its table, the integer column that tells its rows apart, the
// statement that removes the old rows, and what it answers for an empty array.
struct ReplaceCase {
    const char* table;
    const char* keyColumn;
    const char* deleteStatement;
    long statusWhenEmpty;
    // Replaces the table by records whose key holds each of the values, in that order.
    std::function<long(CBaseClassAccess&, const std::vector<long>&)> replace;
};

template <class T>
ReplaceCase Case(const char* table, const char* keyColumn, const char* deleteStatement,
                 long statusWhenEmpty, long (CBaseClassAccess::*edit)(CArray<T*, T*&>&),
                 long T::*key) {
    return {table, keyColumn, deleteStatement, statusWhenEmpty,
            [edit, key](CBaseClassAccess& access, const std::vector<long>& keys) {
                CArray<T*, T*&> records;
                for (long value : keys) {
                    T* record = new T;
                    record->*key = value;
                    records.Add(record);
                }
                const long status = (access.*edit)(records);
                ReleaseArrayData(records, 0);
                return status;
            }};
}

const ReplaceCase kReplaceCases[] = {
    Case("GHSJ_GHMeaningConfig", "MeaningID", "DELETE FROM GHSJ_GHMeaningConfig", 1,
         &CBaseClassAccess::EditAllGHMeaning, &CGHMeaning::MeaningID),
    Case("GHSJ_RoadDefaultRadiusConfig", "RadiusID", "Delete FROM GHSJ_RoadDefaultRadiusConfig", 1,
         &CBaseClassAccess::EditAllGHRoadRadius, &CGHRoadRadius::RadiusID),
    Case("GHSJ_RoadLayerConfig", "MLayerID", "DELETE FROM GHSJ_RoadLayerConfig", 1,
         &CBaseClassAccess::EditAllGHRoadStandard, &CGHRoadStandard::MLayerID),
    Case("GHSJ_RoadStandardBoardConfig", "RoadStandardID",
         "Delete FROM GHSJ_RoadStandardBoardConfig", 2,
         &CBaseClassAccess::EditAllGHRoadStandardBoard, &CGHRoadStandardBoard::RoadStandardID),
    Case("GHSJ_RoadStandardRadiusInfoConfig", "RoadStandardID",
         "Delete FROM GHSJ_RoadStandardRadiusInfoConfig", 2,
         &CBaseClassAccess::EditAllGHRoadStandardRadius, &CGHRoadStandardRadius::RoadStandardID),
    Case("GHSJ_RoadBoardInfoConfig", "BoardID", "DELETE FROM GHSJ_RoadBoardInfoConfig", 1,
         &CBaseClassAccess::EditAllGHRoadBoard, &CGHRoadBoard::BoardID),
    Case("GHSJ_RoadWayConfig", "RoadWayID", "DELETE FROM GHSJ_RoadWayConfig", 1,
         &CBaseClassAccess::EditAllGHRoadWay, &CGHRoadWay::RoadWayID),
    Case("GHSJ_RoadBoardFieldConfig", "RoadWayID", "Delete FROM GHSJ_RoadBoardFieldConfig", 2,
         &CBaseClassAccess::EditAllGHRoadBoardWay, &CGHRoadBoardWay::RoadWayID),
    Case("GHSJ_RoadBoardParaConfig", "BoardID", "Delete FROM GHSJ_RoadBoardParaConfig", 2,
         &CBaseClassAccess::EditAllGHRoadBoardWayWidth, &CGHRoadBoardWayWidth::BoardID),
};

class RoadReplaceTest : public CatalogueTest, public ::testing::WithParamInterface<ReplaceCase> {
protected:
    Table Keys() {
        const ReplaceCase& c = GetParam();
        return Rows(std::string("SELECT ") + c.keyColumn + " FROM " + c.table + " ORDER BY " +
                    c.keyColumn);
    }
};

TEST_P(RoadReplaceTest, ReplacesTheWholeTableOrNothing) {
    const ReplaceCase& c = GetParam();
    ASSERT_EQ(c.replace(*access, {1, 2}), 2);
    StatementLog& log = LogStatements();
    ASSERT_EQ(c.replace(*access, {4, 3}), 2);
    EXPECT_EQ(Keys(), (Table{{"3"}, {"4"}}));
    EXPECT_EQ(std::ranges::count(log.statements(), std::string(c.deleteStatement)), 1);
    EXPECT_TRUE(messages.messages().empty());

    // A row that cannot be stored leaves the old rows as they were.
    Exec(std::string("CREATE UNIQUE INDEX GHT_Unique ON ") + c.table + " (" + c.keyColumn + ")");
    EXPECT_EQ(c.replace(*access, {5, 5}), -1);
    EXPECT_EQ(Keys(), (Table{{"3"}, {"4"}}));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");

    EXPECT_EQ(c.replace(*access, {}), c.statusWhenEmpty);
    EXPECT_EQ(Count(c.table), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryTable, RoadReplaceTest, ::testing::ValuesIn(kReplaceCases),
                         [](const ::testing::TestParamInfo<ReplaceCase>& tested) {
                             return std::string(tested.param.table);
                         });

using RoadRecordsTest = CatalogueTest;

TEST_F(RoadRecordsTest, ReplacingStandardsKeepsTheirLinks) {
    Exec("INSERT INTO GHSJ_RoadStandardBoardConfig (RoadStandardID, RoadBoardID) VALUES (11, 1)");
    CAutoReleaseArray<CGHRoadStandard*, CGHRoadStandard*&> given;
    auto* standard = new CGHRoadStandard;
    standard->MLayerID = 11;
    given.Add(standard);
    ASSERT_EQ(access->EditAllGHRoadStandard(given), 2);
    EXPECT_EQ(Count("GHSJ_RoadStandardBoardConfig"), 1);
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

TEST_F(RoadRecordsTest, BoardWaysAreStoredAsRecordsOfTheAccessObject) {
    CAutoReleaseArray<CGHRoadBoardWay*, CGHRoadBoardWay*&> ways;
    auto* way = new CGHRoadBoardWay;
    ways.Add(way);
    ASSERT_EQ(access->EditAllGHRoadBoardWay(ways), 2);
    EXPECT_EQ(ways[0]->RefDBClassAccess(), access);
}

TEST_F(RoadRecordsTest, ScenesAreReadByWayAndSurviveAReplacementOfTheWays) {
    Insert("GHSJ_RoadWaySceneConfig (RoadWayID, ScenBlockName)", {"3, 'a'", "3, 'b'", "4, 'c'"});
    CArray<CGHRoadWayScene*, CGHRoadWayScene*&> scenes;
    EXPECT_EQ(access->GetGHRoadWayScene(3, scenes), 2);
    EXPECT_EQ(scenes.GetSize(), 2);
    ReleaseArrayData(scenes, 0);
    CArray<CGHRoadWay*, CGHRoadWay*&> none;
    EXPECT_EQ(access->EditAllGHRoadWay(none), 1);
    EXPECT_EQ(Count("GHSJ_RoadWaySceneConfig"), 3);
}

// Crossing corners are synchronised by the ID the database assigns.
TEST_F(RoadRecordsTest, CrossingCornersAreSynchronisedById) {
    CArray<CCrossConfigInfo, CCrossConfigInfo&> configs;
    for (long grade : {1L, 2L, 3L}) {
        CCrossConfigInfo config;
        config.RoadGrade1 = grade;
        configs.Add(config);
    }
    ASSERT_EQ(access->EditAllCrossRadiusConfig(configs), 2);
    // Three elements without an id make three rows, each with its own new id.
    const long second = configs[1].ID;
    EXPECT_NE(configs[0].ID, configs[1].ID);
    EXPECT_NE(configs[1].ID, configs[2].ID);
    EXPECT_EQ(Count("GHSJ_RoadCornerOfCrossConfig"), 3);

    // One kept and rewritten in place, one new, the others removed.
    CArray<CCrossConfigInfo, CCrossConfigInfo&> next;
    CCrossConfigInfo kept = configs[1];
    kept.Radius = 12.5;
    kept.RoadTuoParamFirst = "o'clock";
    next.Add(kept);
    CCrossConfigInfo added;
    added.RoadGrade1 = 5;
    next.Add(added);
    ASSERT_EQ(access->EditAllCrossRadiusConfig(next), 2);
    EXPECT_EQ(next[0].ID, second);
    EXPECT_NE(next[1].ID, -1);

    CArray<CCrossConfigInfo, CCrossConfigInfo&> read;
    ASSERT_EQ(access->GetAllCrossRadiusConfig(read), 2);
    ASSERT_EQ(read.GetSize(), 2);
    const int k = read[0].ID == second ? 0 : 1;
    EXPECT_EQ(read[k].ID, second);
    EXPECT_EQ(read[k].RoadGrade1, 2);
    EXPECT_DOUBLE_EQ(read[k].Radius, 12.5);
    EXPECT_EQ(read[k].RoadTuoParamFirst, "o'clock");
    EXPECT_EQ(read[1 - k].ID, next[1].ID);
    EXPECT_EQ(read[1 - k].RoadGrade1, 5);

    CArray<CCrossConfigInfo, CCrossConfigInfo&> none;
    EXPECT_EQ(access->EditAllCrossRadiusConfig(none), 2);
    EXPECT_EQ(access->GetAllCrossRadiusConfig(none), 1);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
