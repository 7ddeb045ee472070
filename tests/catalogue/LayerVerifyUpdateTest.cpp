#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

class LayerVerifyUpdateTest : public DatabaseTest {};

TEST_F(LayerVerifyUpdateTest, SettingsAreStoredReadEditedAndRemovedPerLayer) {
    CLayerVerifyUpdate vu(2);
    vu.LayerID = 12;
    vu.ProjectLayerID = 40;
    vu.UpdateKey = "Code";
    vu.LayerNameAdd = "Added";
    vu.LayerNameHis = "History";
    ASSERT_EQ(access->AddLayerVerifyUpdate(vu), 2);
    EXPECT_EQ(Rows("SELECT * FROM GH_VerifyUpdate"),
              (Table{{"12", "40", "111111111000000", "1100", "Code", "Added", "History"}}));

    CLayerVerifyUpdate read;
    ASSERT_EQ(access->GetLayerVerifyUpdate(12, read), 2);
    EXPECT_EQ(read.LayerNameHis, "History");
    read.UpdateType = "0011";
    EXPECT_EQ(access->EditLayerVerifyUpdate(read), 2);
    EXPECT_EQ(access->EditLayerVerifyUpdate(13, read), 1);
    EXPECT_EQ(Rows("SELECT LayerID, ProjectLayerID, UpdateType FROM GH_VerifyUpdate"),
              (Table{{"12", "40", "0011"}}));

    int exists = -1;
    EXPECT_EQ(access->DeleteLayerVerifyUpdate(12), 2);
    EXPECT_EQ(access->ExistingLayerVerifyUpdate(12, exists), 1);
    EXPECT_EQ(exists, 0);
}

TEST_F(LayerVerifyUpdateTest, ProjectLayerMembersArePositiveLayerIdsAppended) {
    for (const char* row :
         {"5, 100", "0, 100", "-3, 100", "NULL, 100", "9, 100", "7, 200", "0, 300"})
        Exec(std::string("INSERT INTO GH_VerifyUpdate (LayerID, ProjectLayerID) VALUES (") + row +
             ")");
    CArray<long, long> ids;
    ids.Add(42);
    EXPECT_EQ(access->GetProjectLayerHasGISLayerIdAry(100, ids), 2);
    ASSERT_EQ(ids.GetSize(), 3);
    EXPECT_EQ(ids[0], 42);
    EXPECT_EQ(std::min(ids[1], ids[2]), 5);
    EXPECT_EQ(std::max(ids[1], ids[2]), 9);

    // Rows that yield no id still count as rows.
    CArray<long, long> none;
    EXPECT_EQ(access->GetProjectLayerHasGISLayerIdAry(300, none), 2);
    EXPECT_EQ(access->GetProjectLayerHasGISLayerIdAry(400, none), 1);
    EXPECT_EQ(none.GetSize(), 0);
}

}  // namespace
}  // namespace ghdb::test
