#include <gtest/gtest.h>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

using LayerGroupTest = CatalogueTest;

using Names = std::vector<std::string>;

TEST_F(LayerGroupTest, ANewGroupGoesAfterItsSiblingsWhateverOrderTheCallerSet) {
    CGISLayerGroup first;
    first.LayerGroupName = "O'Brien's maps";
    first.DispOrder = 40;
    ASSERT_EQ(access->AddLayerGroup(first), 2);
    EXPECT_EQ(first.DispOrder, 1);
    Exec(
        "INSERT INTO GHGIS_LayerGroup (ParentGroupID, DispOrder, LayerGroupName) VALUES "
        "(-1, 7, 'seventh')");
    EXPECT_EQ(access->GetMaxDisporderOfLayerGroup(-1), 8);
    EXPECT_EQ(access->GetMaxDisporderOfLayerGroup(first.LayerGroupID), 1);

    CAutoReleaseArray<CGISLayerGroup*, CGISLayerGroup*> roots;
    roots.Add(new CGISLayerGroup);  // reads append
    EXPECT_EQ(access->GetKidLayerGroups(-1, roots), 2);
    EXPECT_EQ(Each(roots, &CGISLayerGroup::LayerGroupName),
              (Names{"", "O'Brien's maps", "seventh"}));

    CGISLayerGroup byName;
    ASSERT_EQ(access->GetLayerGroupInfo(CString("O'Brien's maps"), byName), 2);
    EXPECT_EQ(byName.LayerGroupID, first.LayerGroupID);
    EXPECT_EQ(access->GetLayerGroupInfo(CString("x' OR '1'='1"), byName), 1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LayerGroupTest, AGroupAddsAndRemovesChildGroupsThroughItsKidSet) {
    CGISLayerGroup root;
    ASSERT_EQ(access->GetLayerGroupInfo(AddGroup("root"), root), 2);
    CGISLayerGroup kid;
    kid.ParentGroupID = root.LayerGroupID;
    for (const char* name : {"one", "two"}) {
        kid.LayerGroupName = name;
        ASSERT_NE(root.AddNewLayerGroup(kid), nullptr);
    }
    EXPECT_EQ(Rows("SELECT DispOrder FROM GHGIS_LayerGroup WHERE ParentGroupID = " +
                   N(root.LayerGroupID) + " ORDER BY DispOrder"),
              (Table{{"1"}, {"2"}}));
    root.DeleteLayerGroup(0);
    EXPECT_EQ(Each(*root.KidLayerGroups(), &CGISLayerGroup::LayerGroupName), Names{"two"});
    CGISLayerGroup copy(root);  // a copy loads its own kid set
    EXPECT_EQ(Each(*copy.KidLayerGroups(), &CGISLayerGroup::LayerGroupName), Names{"two"});
    EXPECT_NE(copy.KidLayerGroups(), root.KidLayerGroups());

    // A child that cannot be stored is not shown as one.
    Exec("DROP TABLE GHGIS_LayerGroup");
    EXPECT_EQ(root.AddNewLayerGroup(kid), nullptr);
    EXPECT_EQ(root.KidLayerGroups()->GetSize(), 1);
}

// The typical road of a browsing host: root groups, then a new layer with fields under one.
TEST_F(LayerGroupTest, AddingALayerUnderAGroupStoresTheLayerItsLinkAndItsFields) {
    AddGroup("roads");
    CAutoReleaseArray<CGISLayerGroup*, CGISLayerGroup*> roots;
    ASSERT_EQ(access->GetKidLayerGroups(-1, roots), 2);
    ASSERT_EQ(roots.GetSize(), 1);
    CGISLayerGroup& group = *roots[0];

    CGISLayer layer;
    layer.LayerID = 77;
    layer.LayerName = "centre lines";
    for (CGISFieldInfo field : {Field("NAME"), Field("WIDTH")}) layer.AddNewFieldInfo(field, 0);
    CGISLayer* added = group.AddNewLayer(layer);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added, group.KidLayers()->GetAt(0));
    EXPECT_EQ(Rows("SELECT LayerGroupID, LayerID, DispOrder FROM GHGIS_LayerGroupLayerRelation"),
              (Table{{N(group.LayerGroupID), "77", "1"}}));
    EXPECT_EQ(Rows("SELECT LayerID, Sequence, FieldName FROM GH_FieldInfo ORDER BY Sequence"),
              (Table{{"77", "0", "NAME"}, {"77", "1", "WIDTH"}}));

    // The next link goes after the group's greatest position, gaps and all.
    for (long order : {3, 4}) Link(group.LayerGroupID, 100 + order, order);
    CGISLayer next;
    next.LayerID = 78;
    ASSERT_NE(group.AddNewLayer(next), nullptr);
    EXPECT_EQ(Rows("SELECT DispOrder FROM GHGIS_LayerGroupLayerRelation WHERE LayerID = 78"),
              (Table{{"5"}}));
    EXPECT_TRUE(messages.messages().empty());

    // A layer that cannot be linked is neither stored nor shown as a child.
    Exec("DROP TABLE GHGIS_LayerGroupLayerRelation");
    next.LayerID = 79;
    EXPECT_EQ(group.AddNewLayer(next), nullptr);
    EXPECT_EQ(Each(*group.KidLayers(), &CGISLayer::LayerName), (Names{"centre lines", ""}));
    EXPECT_EQ(Count("GHGIS_Layer", "LayerID = 79"), 0);
}

TEST_F(LayerGroupTest, DeletingAGroupRemovesItsOwnLayersWithEveryDependantAndUnlinksSharedOnes) {
    const long gone = AddGroup("gone");
    const long kept = AddGroup("kept");
    // 10 and 11 are the group's own; 30 and 31, first and last of its links, are shared.
    const std::pair<long, long> links[] = {{30, 1}, {10, 2}, {11, 3}, {31, 4}};
    for (const auto& [layer, order] : links) Link(gone, layer, order);
    for (long layer : {20, 30, 31}) Link(kept, layer, 1);
    for (long layer : {10, 11, 20, 30, 31}) {
        InsertLayer(layer, "layer");
        AddDependants(layer, layer * 10);
    }
    Exec("INSERT INTO GH_FieldsRelConfig (LayerID, EnuRelationType) VALUES (10, 1)");
    Exec(
        "INSERT INTO GHSJ_RoadLayerConfig (MLayerID, RLayerID, ELayerID, GLayerID, TLayerID) "
        "VALUES (0, 11, 0, 0, 0), (0, 0, 10, 0, 0), (0, 0, 0, 11, 0)");
    Exec(
        "INSERT INTO GHGIS_ApplyClass (ApplyClassID, ApplyClassName, DataObjectID, "
        "DataObjectType) VALUES (2, 'groups', " +
        N(gone) + ", 1), (2, 'groups', " + N(kept) + ", 1)");
    StatementLog& log = LogStatements();
    EXPECT_EQ(access->DeleteLayerGroup(-1), 1);
    EXPECT_TRUE(log.statements().empty());

    EXPECT_EQ(access->DeleteLayerGroup(gone), 2);
    EXPECT_TRUE(messages.messages().empty()) << messages.messages()[0].text;
    EXPECT_EQ(Dependants(10, 100), None());  // relations of every type
    EXPECT_EQ(Dependants(11, 110), None());
    EXPECT_EQ(Count("GHSJ_RoadLayerConfig"), 3);  // those of the layers that stay
    for (long layer : {20, 30, 31}) EXPECT_EQ(Dependants(layer, layer * 10), Whole()) << layer;
    EXPECT_EQ(Count("GHGIS_LayerGroupLayerRelation", "LayerGroupID = " + N(gone)), 0);
    EXPECT_EQ(Rows("SELECT DataObjectID FROM GHGIS_ApplyClass WHERE DataObjectType = 1"),
              (Table{{N(kept)}}));
    EXPECT_EQ(Rows("SELECT LayerGroupName FROM GHGIS_LayerGroup"), (Table{{"kept"}}));
}

TEST_F(LayerGroupTest, DeletingAGroupRemovesEveryLevelBelowItAndEndsOnACycle) {
    const long top = AddGroup("top");
    const long child = AddGroup("child", top);
    const long grandchild = AddGroup("grandchild", child);
    const long great = AddGroup("great", grandchild);
    AddGroup("outside");
    InsertLayer(10, "deep");
    InsertLayer(11, "in child and grandchild");
    Link(great, 10, 1);
    Link(child, 11, 1);
    Link(grandchild, 11, 1);
    AddDependants(10, 100);
    AddDependants(11, 110);
    EXPECT_EQ(access->DeleteLayerGroup(top), 2);
    EXPECT_EQ(Rows("SELECT LayerGroupName FROM GHGIS_LayerGroup"), (Table{{"outside"}}));
    EXPECT_EQ(Dependants(10, 100), None());
    EXPECT_EQ(Dependants(11, 110), None());

    // a -> b -> c -> a, and a group that is its own parent.
    const long a = AddGroup("a");
    const long b = AddGroup("b", a);
    const long c = AddGroup("c", b);
    Exec("UPDATE GHGIS_LayerGroup SET ParentGroupID = " + N(c) + " WHERE LayerGroupID = " + N(a));
    const long self = AddGroup("self");
    Exec("UPDATE GHGIS_LayerGroup SET ParentGroupID = LayerGroupID WHERE LayerGroupID = " +
         N(self));
    InsertLayer(12, "x");
    Link(c, 12, 1);
    EXPECT_EQ(access->DeleteLayerGroup(a), 2);
    EXPECT_EQ(access->DeleteLayerGroup(self), 2);
    EXPECT_EQ(Rows("SELECT LayerGroupName FROM GHGIS_LayerGroup"), (Table{{"outside"}}));
    EXPECT_EQ(Count("GHGIS_Layer"), 0);
}

}  // namespace
}  // namespace ghdb::test
