#include <gtest/gtest.h>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

class LayerUsersTest : public DatabaseTest {};

TEST_F(LayerUsersTest, FunctionAssignmentsOfTheLayerGoSilently) {
    Exec("INSERT INTO GHGIS_FunLayerConfig (FunID, LayerID) VALUES (1, 12)");
    Exec("INSERT INTO GHGIS_FunLayerConfig (FunID, LayerID) VALUES (2, 12)");
    Exec("INSERT INTO GHGIS_FunLayerConfig (FunID, LayerID) VALUES (1, 13)");
    EXPECT_EQ(access->DelFunLayerByLayerID(12), 2);
    EXPECT_EQ(Rows("SELECT FunID, LayerID FROM GHGIS_FunLayerConfig"), (Table{{"1", "13"}}));

    Exec("DROP TABLE GHGIS_FunLayerConfig");
    EXPECT_EQ(access->DelFunLayerByLayerID(13), -1);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
