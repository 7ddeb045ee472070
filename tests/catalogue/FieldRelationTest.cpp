#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

CKGFieldRelation Relation(long layerId, long type, const char* fields) {
    CKGFieldRelation rel;
    rel.LayerID = layerId;
    rel.EnuRelationType = type;
    rel.RelationFields = fields;
    return rel;
}

class FieldRelationTest : public CatalogueTest {
protected:
    long Add(long layerId, long type, const char* fields) {
        CKGFieldRelation rel = Relation(layerId, type, fields);
        EXPECT_EQ(access->AddFieldRelation(rel), 2);
        return rel.FID;
    }
};

TEST_F(FieldRelationTest, RelationsAreKeyedByTheDatabaseAndEditedUnderTheirKey) {
    EXPECT_EQ(CKGFieldRelation().FID, -1);
    const long first = Add(5, 2, "A,B");
    const long second = Add(5, 2, "C");
    EXPECT_EQ(Rows("SELECT FID, RelationFields FROM GH_FieldsRelConfig ORDER BY FID"),
              (Table{{N(first), "A,B"}, {N(second), "C"}}));

    CKGFieldRelation read;
    read.FID = first;
    read.LayerID = 6;
    EXPECT_EQ(access->GetFieldRelation(read), 1);
    read.LayerID = 5;
    ASSERT_EQ(access->GetFieldRelation(read), 2);
    EXPECT_EQ(read.RelationFields, "A,B");

    read.RelationFields = "A2";
    read.LayerID = 8;  // selected under layer 5, stored under its own layer
    EXPECT_EQ(access->EditFieldRelation(7, read), 1);
    EXPECT_EQ(access->EditFieldRelation(5, read), 2);
    EXPECT_EQ(
        Rows("SELECT LayerID, RelationFields FROM GH_FieldsRelConfig WHERE FID = " + N(first)),
        (Table{{"8", "A2"}}));
    EXPECT_EQ(access->DeleteFieldRelation(read), 2);
    EXPECT_EQ(Count("GH_FieldsRelConfig"), 1);
}

TEST_F(FieldRelationTest, LayerOperationsHandleTypeTwoAndRemovalIsSilent) {
    Add(5, 2, "A");
    Add(5, 1, "B");
    Add(5, 2, "C");
    Add(6, 2, "D");
    CAutoReleaseArray<CKGFieldRelation*, CKGFieldRelation*> out;
    const auto fields = [&out] {
        auto names = Each(out, &CKGFieldRelation::RelationFields);
        std::ranges::sort(names);
        return names;
    };
    EXPECT_EQ(access->GetFieldRelationOfGISLayer(5, out), 2);
    EXPECT_EQ(fields(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(access->GetKidFieldRelation(out, 5), 2);  // appended: every type
    EXPECT_EQ(fields(), (std::vector<std::string>{"A", "A", "B", "C", "C"}));

    EXPECT_EQ(access->DelFieldRelationByLayer(5), 2);
    EXPECT_EQ(Rows("SELECT RelationFields FROM GH_FieldsRelConfig ORDER BY FID"),
              (Table{{"B"}, {"D"}}));
    Exec("DROP TABLE GH_FieldsRelConfig");
    EXPECT_EQ(access->DelFieldRelationByLayer(5), -1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FieldRelationTest, SettingALayersRelationsAddsThemEachTimeAndReadsBackTheirKeys) {
    CArray<CKGFieldRelation, CKGFieldRelation&> rels;
    for (const auto& [layer, fields] : {std::pair{5L, "A"}, {8L, "B"}}) {
        CKGFieldRelation rel = Relation(layer, 2, fields);
        rels.Add(rel);
    }
    EXPECT_EQ(access->SetFieldRelationOfGISLayer(5, rels), 2);
    const long firstKey = rels[0].FID;
    EXPECT_EQ(Count("GH_FieldsRelConfig", "FID = " + N(rels[1].FID) + " AND LayerID = 8"), 1);
    EXPECT_EQ(access->SetFieldRelationOfGISLayer(5, rels), 2);
    EXPECT_NE(rels[0].FID, firstKey);
    EXPECT_EQ(Count("GH_FieldsRelConfig", "RelationFields = 'A'"), 2);
}

}  // namespace
}  // namespace ghdb::test
