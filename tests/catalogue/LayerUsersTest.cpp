#include <gtest/gtest.h>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

using Table = std::vector<std::vector<std::string>>;

class LayerUsersTest : public DatabaseTest {};

TEST_F(LayerUsersTest, RoadStandardsUsingTheLayerInAnyRoleGoAndTheirLinksStay) {
    const char* standards[] = {
        "12, 1, 2, 3, 4",  "20, 12, 2, 3, 4", "21, 1, 12, 3, 4",
        "22, 1, 2, 12, 4", "23, 1, 2, 3, 12", "30, 31, 32, 33, 34",
    };
    for (const char* values : standards)
        Exec(std::string("INSERT INTO GHSJ_RoadLayerConfig (MLayerID, RLayerID, ELayerID, "
                         "GLayerID, TLayerID) VALUES (") +
             values + ")");
    Exec("INSERT INTO GHSJ_RoadStandardBoardConfig (RoadStandardID, RoadBoardID) VALUES (20, 1)");
    Exec(
        "INSERT INTO GHSJ_RoadStandardRadiusInfoConfig (RoadStandardID, RoadTypeID, RadiusID) "
        "VALUES (21, 1, 1)");

    EXPECT_EQ(access->DeleteRoadStandByLayerID(12), 2);
    EXPECT_EQ(Rows("SELECT MLayerID FROM GHSJ_RoadLayerConfig"), (Table{{"30"}}));
    EXPECT_EQ(Count("GHSJ_RoadStandardBoardConfig"), 1);
    EXPECT_EQ(Count("GHSJ_RoadStandardRadiusInfoConfig"), 1);

    Exec("DROP TABLE GHSJ_RoadLayerConfig");
    EXPECT_EQ(access->DeleteRoadStandByLayerID(30), 1);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
