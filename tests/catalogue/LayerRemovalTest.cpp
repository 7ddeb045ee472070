#include <gtest/gtest.h>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

using LayerRemovalTest = CatalogueTest;

TEST_F(LayerRemovalTest, RemovingALayerRemovesEverythingThatNamesItAndNothingElse) {
    InsertLayer(10, "gone");
    InsertLayer(20, "kept");
    InsertLayer(40, "bare");
    AddDependants(10, 100);
    AddDependants(20, 40);  // its figure layer's parse id equals the bare layer's id
    for (long group : {1, 2, 3}) Link(group, 10, 1);
    Link(1, 20, 2);
    Exec("INSERT INTO GH_FieldsRelConfig (LayerID, EnuRelationType) VALUES (10, 1)");
    Exec(
        "INSERT INTO GHSJ_RoadLayerConfig (MLayerID, RLayerID, ELayerID, GLayerID, TLayerID) "
        "VALUES (0, 0, 0, 0, 10)");

    EXPECT_EQ(access->DeleteLayer(10), 2);
    EXPECT_EQ(access->DeleteLayer(40), 2);  // no rows and no extension
    StatementLog& log = LogStatements();
    EXPECT_EQ(access->DeleteLayer(99), 2);
    EXPECT_EQ(log.statements().back(), "DELETE FROM GHGIS_Layer WHERE LayerID = 99 ");
    EXPECT_TRUE(messages.messages().empty()) << messages.messages()[0].text;
    Counts removed = None();
    removed["GH_FieldsRelConfig"] = 1;  // only the relations of type 2 go
    EXPECT_EQ(Dependants(10, 100), removed);
    EXPECT_EQ(Count("GHSJ_RoadLayerConfig", "TLayerID = 10"), 0);
    EXPECT_EQ(Dependants(20, 40), Whole());
    EXPECT_EQ(Count("GHGIS_Layer"), 1);
}

TEST_F(LayerRemovalTest, AGroupRemovesAChildLayerByIndexOrRecord) {
    const long group = AddGroup("group");
    for (long id : {1, 2, 3, 4}) {
        InsertLayer(id, "layer " + N(id));
        Link(group, id, id);
    }
    CGISLayerGroup record;
    ASSERT_EQ(access->GetLayerGroupInfo(group, record), 2);
    CGISLayer cached;
    ASSERT_EQ(access->GetGISLayerInfo(2, cached, 0), 2);

    record.DeleteLayer(1);
    EXPECT_EQ(Each(*record.KidLayers(), &CGISLayer::LayerID), (std::vector<long>{1, 3, 4}));
    record.DeleteLayer(record.KidLayers()->GetAt(2));
    record.DeleteLayer(7);  // outside the set: nothing
    EXPECT_EQ(Each(*record.KidLayers(), &CGISLayer::LayerID), (std::vector<long>{1, 3}));
    EXPECT_EQ(Rows("SELECT LayerID FROM GHGIS_Layer ORDER BY LayerID"), (Table{{"1"}, {"3"}}));

    // The layer cache is not refreshed by a removal.
    EXPECT_EQ(access->GetGISLayerInfo(2, cached, 0), 2);
    EXPECT_EQ(access->GetGISLayerInfo(2, cached, 1), 1);
}

}  // namespace
}  // namespace ghdb::test
