#include <gtest/gtest.h>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

class LayerExTest : public DatabaseTest {
protected:
    long Add(long layerId, long parseId) {
        CLayerEx ex(1);
        ex.LayerID = layerId;
        ex.LayerParseID = parseId;
        return access->AddGISLayerEx(ex);
    }
};

TEST_F(LayerExTest, ShapeTypeChoosesTheDefaultFlags) {
    EXPECT_EQ(CLayerEx(1).DWGEntType, "011110000100000");
    EXPECT_EQ(CLayerEx(9).DWGEntType, "000000000000000");
    EXPECT_EQ(CLayerEx(-1).DWGEntType, "000000000000000");
    EXPECT_EQ(CLayerVerifyUpdate(2).VerifyType, "111111111000000");
    EXPECT_EQ(CLayerVerifyUpdate(2).UpdateType, "1100");
    EXPECT_EQ(CLayerVerifyUpdate(4).VerifyType, "000000000000000");
}

TEST_F(LayerExTest, MissingRowsReadAndEditAsOneAndChangeNothing) {
    ASSERT_EQ(Add(3, 1), 2);
    CLayerEx ex;
    ex.DrawOrder = 77;
    EXPECT_EQ(access->GetGISLayerEx(7, ex), 1);
    EXPECT_EQ(ex.LayerID, 7);
    EXPECT_EQ(ex.DrawOrder, 77);
    EXPECT_EQ(access->EditGISLayerEx(ex), 1);
    EXPECT_EQ(Count("GH_LayerEx"), 1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LayerExTest, EditByLayerCanMoveTheRowAndDeleteRemovesOneLayersRow) {
    ASSERT_EQ(Add(3, 1), 2);
    ASSERT_EQ(Add(4, 2), 2);
    CLayerEx moved(1);
    moved.LayerID = 8;
    moved.LayerParseID = 12;
    EXPECT_EQ(access->EditGISLayerEx(3, moved), 2);
    EXPECT_EQ(Rows("SELECT LayerID, LayerParseID FROM GH_LayerEx ORDER BY LayerID"),
              (Table{{"4", "2"}, {"8", "12"}}));

    int exists = -1;
    EXPECT_EQ(access->DeleteGISLayerEx(8), 2);
    EXPECT_EQ(access->ExistingLayerEx(8, exists), 1);
    EXPECT_EQ(exists, 0);
    EXPECT_EQ(access->ExistingLayerEx(4, exists), 1);
    EXPECT_EQ(exists, 1);
}

TEST_F(LayerExTest, ParseIdsInUseAreCountedAndTheNextFollowsTheGreatest) {
    EXPECT_EQ(access->GetMaxParseIdOfLayerEx(), 1);
    ASSERT_EQ(Add(1, 3), 2);
    ASSERT_EQ(Add(2, 8), 2);
    EXPECT_EQ(access->GetMaxParseIdOfLayerEx(), 9);
    EXPECT_TRUE(access->IsHasThisParseId(8));
    EXPECT_FALSE(access->IsHasThisParseId(9));

    Exec("DROP TABLE GH_LayerEx");
    EXPECT_EQ(access->GetMaxParseIdOfLayerEx(), 0);
    EXPECT_FALSE(access->IsHasThisParseId(8));
    EXPECT_EQ(messages.messages().size(), 2u);
}

}  // namespace
}  // namespace ghdb::test
