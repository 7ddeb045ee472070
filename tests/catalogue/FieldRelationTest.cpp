#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

using Table = std::vector<std::vector<std::string>>;

CKGFieldRelation Relation(long layerId, long type, const char* fields) {
    CKGFieldRelation rel;
    rel.LayerID = layerId;
    rel.EnuRelationType = type;
    rel.RelationPri = 1;
    rel.RelationFields = fields;
    rel.RelationDescribe = "why";
    rel.ShowType = 3;
    return rel;
}

class FieldRelationTest : public DatabaseTest {
protected:
    long Add(long layerId, long type, const char* fields) {
        CKGFieldRelation rel = Relation(layerId, type, fields);
        EXPECT_EQ(access->AddFieldRelation(rel), 2);
        return rel.FID;
    }
    std::vector<std::string> Fields(CArray<CKGFieldRelation*, CKGFieldRelation*>& rels) {
        std::vector<std::string> fields;
        for (int i = 0; i < rels.GetSize(); ++i) fields.push_back(rels[i]->RelationFields.str());
        std::sort(fields.begin(), fields.end());
        return fields;
    }
};

TEST_F(FieldRelationTest, RelationsAreKeyedByTheDatabaseAndEditedUnderTheirKey) {
    EXPECT_EQ(CKGFieldRelation().FID, -1);
    const long first = Add(5, 2, "A,B");
    const long second = Add(5, 2, "C");
    EXPECT_EQ(Rows("SELECT * FROM GH_FieldsRelConfig ORDER BY FID"),
              (Table{{"5", std::to_string(first), "2", "1", "A,B", "why", "3"},
                     {"5", std::to_string(second), "2", "1", "C", "why", "3"}}));

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
    EXPECT_EQ(Rows("SELECT FID, LayerID, RelationFields FROM GH_FieldsRelConfig WHERE FID = " +
                   std::to_string(first)),
              (Table{{std::to_string(first), "8", "A2"}}));
    EXPECT_EQ(access->DeleteFieldRelation(read), 2);
    EXPECT_EQ(Count("GH_FieldsRelConfig"), 1);
}

TEST_F(FieldRelationTest, LayerOperationsHandleTypeTwoAndRemovalIsSilent) {
    Add(5, 2, "A");
    Add(5, 1, "B");
    Add(5, 2, "C");
    Add(6, 2, "D");
    CArray<CKGFieldRelation*, CKGFieldRelation*> out;
    EXPECT_EQ(access->GetFieldRelationOfGISLayer(5, out), 2);
    EXPECT_EQ(Fields(out), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(access->GetKidFieldRelation(out, 5), 2);  // appended: every type
    EXPECT_EQ(Fields(out), (std::vector<std::string>{"A", "A", "B", "C", "C"}));
    ReleaseArrayData(out, 0);

    EXPECT_EQ(access->DelFieldRelationByLayer(5), 2);
    EXPECT_EQ(Rows("SELECT RelationFields FROM GH_FieldsRelConfig ORDER BY FID"),
              (Table{{"B"}, {"D"}}));
    Exec("DROP TABLE GH_FieldsRelConfig");
    EXPECT_EQ(access->DelFieldRelationByLayer(5), -1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FieldRelationTest, SettingALayersRelationsAddsThemEachTimeAndReadsBackTheirKeys) {
    CArray<CKGFieldRelation, CKGFieldRelation&> rels;
    CKGFieldRelation a = Relation(5, 2, "A");
    CKGFieldRelation b = Relation(8, 2, "B");
    rels.Add(a);
    rels.Add(b);
    EXPECT_EQ(access->SetFieldRelationOfGISLayer(5, rels), 2);
    const long firstKey = rels[0].FID;
    EXPECT_EQ(
        Count("GH_FieldsRelConfig", "FID = " + std::to_string(rels[1].FID) + " AND LayerID = 8"),
        1);
    EXPECT_EQ(access->SetFieldRelationOfGISLayer(5, rels), 2);
    EXPECT_NE(rels[0].FID, firstKey);
    EXPECT_EQ(Count("GH_FieldsRelConfig", "RelationFields = 'A'"), 2);
}

}  // namespace
}  // namespace ghdb::test
