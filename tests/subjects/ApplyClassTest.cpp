#include <gtest/gtest.h>

#include <algorithm>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

class ApplyClassTest : public FamilyTest {
protected:
    static CGISApplyClass Class(long id, const char* name,
                                std::vector<std::pair<long, short>> members) {
        CGISApplyClass c;
        c.ApplyClassID = id;
        c.ApplyClassName = name;
        for (const auto& [object, type] : members) {
            CGISApplyClassData d;
            d.ApplyClassID = id;
            d.ApplyClassName = name;
            d.DataObjectID = object;
            d.DataObjectType = type;
            c.ApplyClassData.Add(d);
        }
        return c;
    }
    Table Stored(long id) {
        return Rows(
            "SELECT ApplyClassName, DataObjectID, DataObjectType FROM GHGIS_ApplyClass "
            "WHERE ApplyClassID = " +
            N(id) + " ORDER BY ApplyClassName, DataObjectID");
    }
    static std::vector<std::string> LayerNames(CArray<CGISLayer*, CGISLayer*>* layers) {
        std::vector<std::string> names;
        for (const CGISLayer* layer : *layers) names.push_back(layer->LayerName.str());
        std::ranges::sort(names);
        return names;
    }
};

TEST_F(ApplyClassTest, TheClassesOfAnIdentifierComeWithTheirMembersAndWhatTheyName) {
    InsertLayer(1, "roads");
    InsertLayer(2, "parcels");
    const long group = AddGroup("planning");
    CGISApplyClass a = Class(3, "A", {{1, 0}, {2, 0}});
    CGISApplyClass b = Class(3, "B", {{group, 1}});
    CGISApplyClass other = Class(4, "A", {{1, 0}});
    for (CGISApplyClass* c : {&a, &b, &other}) ASSERT_EQ(access->AddGISApplyClass(*c), 2);

    CAutoReleaseArray<CGISApplyClass*, CGISApplyClass*> out;
    EXPECT_EQ(access->GetAllGISApplyClass(9, out), 1);
    EXPECT_EQ(out.GetSize(), 0);
    ASSERT_EQ(access->GetAllGISApplyClass(3, out), 2);
    ASSERT_EQ(out.GetSize(), 2);
    std::sort(out.begin(), out.end(),
              [](auto* x, auto* y) { return x->ApplyClassName.str() < y->ApplyClassName.str(); });
    CGISApplyClass& readA = *out[0];
    CGISApplyClass& readB = *out[1];
    EXPECT_EQ(
        Row(readA.ApplyClassID, readA.ApplyClassData.GetSize(), readB.ApplyClassData.GetSize()),
        Row(3, 2, 1));
    for (const CGISApplyClassData& d : readA.ApplyClassData) EXPECT_EQ(d.DataObjectType, 0);
    const CGISApplyClassData& member = readB.ApplyClassData[0];
    EXPECT_EQ(Row(member.DataObjectID, member.DataObjectType), Row(group, 1));

    // What a class names is read once and kept until its data is cleared.
    StatementLog& log = LogStatements();
    EXPECT_EQ(LayerNames(readA.GetLayers()), (std::vector<std::string>{"parcels", "roads"}));
    EXPECT_EQ(readA.GetLayers(), readA.GetLayers());
    ASSERT_EQ(readB.GetLayerGroups()->GetSize(), 1);
    EXPECT_EQ(readB.GetLayerGroups()->GetAt(0)->LayerGroupName, "planning");
    EXPECT_EQ(log.Count("SELECT * FROM GHGIS_Layer INNER JOIN"), 1);
    readA.ClearData();
    EXPECT_EQ(readA.GetLayers()->GetSize(), 2);  // read anew by the class's id and name
    EXPECT_EQ(log.Count("SELECT * FROM GHGIS_Layer INNER JOIN"), 2);

    // Reading again appends new classes and reloads the ones already there.
    ASSERT_EQ(access->GetAllGISApplyClass(3, out), 2);
    EXPECT_EQ(out.GetSize(), 4);
    EXPECT_EQ(readA.ApplyClassData.GetSize(), 2);
    EXPECT_EQ(readB.ApplyClassData.GetSize(), 2);

    EXPECT_EQ(access->DeleteGISApplyClass(3, a.ApplyClassName), 2);
    EXPECT_EQ(Stored(3), (Table{{"B", N(group), "1"}}));
    EXPECT_EQ(access->DeleteGISApplyClass(3), 2);
    EXPECT_EQ(Stored(3), Table{});
    EXPECT_EQ(Stored(4).size(), 1u);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(ApplyClassTest, WritesQuoteNamesAndStoreAllMembersOrNone) {
    CGISApplyClass quoted = Class(1, "O'Neil's", {{5, 0}, {6, 1}});
    ASSERT_EQ(access->AddGISApplyClass(quoted), 2);
    CGISApplyClass empty = Class(1, "empty", {});
    EXPECT_EQ(access->AddGISApplyClass(empty), 1);
    EXPECT_EQ(Stored(1), (Table{{"O'Neil's", "5", "0"}, {"O'Neil's", "6", "1"}}));

    CGISApplyClass read = Class(1, "O'Neil's", {});
    EXPECT_EQ(access->GetGISApplyClass(read), 2);
    EXPECT_EQ(read.ApplyClassData.GetSize(), 2);
    EXPECT_EQ(access->GetGISApplyClass(read), 2);  // appends again
    EXPECT_EQ(read.ApplyClassData.GetSize(), 4);
    CGISApplyClass injected = Class(1, "x' OR '1'='1", {});
    EXPECT_EQ(access->GetGISApplyClass(injected), 1);

    // A member that cannot be stored leaves no member of a new class behind.
    RefuseRepeated("GHGIS_ApplyClass",
                   "ApplyClassID, ApplyClassName, DataObjectID, DataObjectType");
    CGISApplyClass fresh = Class(2, "new", {{8, 0}, {8, 0}});
    EXPECT_EQ(access->AddGISApplyClass(fresh), -1);
    EXPECT_EQ(Stored(2), Table{});
    EXPECT_EQ(messages.messages().size(), 1u);

    // A member is removed by name, kind and object under whatever identifier it is filed.
    Insert("GHGIS_ApplyClass", {"5, 'It''s', 9, 0", "6, 'It''s', 9, 0", "6, 'It''s', 9, 1"});
    CGISApplyClassData member = Class(0, "It's", {{9, 0}}).ApplyClassData[0];
    EXPECT_EQ(access->DeleteGISApplyClassData(member), 2);
    EXPECT_EQ(Count("GHGIS_ApplyClass", "ApplyClassName = 'It''s'"), 1);
}

TEST_F(ApplyClassTest, ASetAndItsClassesWriteThroughTheirAccessObject) {
    CGISApplyClassSet set;
    EXPECT_EQ(set.ApplyClassID, -1);
    CGISApplyClass plan = Class(3, "A", {{1, 0}});
    EXPECT_EQ(set.AddNewApplyClass(plan), nullptr);  // no access object yet
    set.SetDBClassAccess(access);
    CGISApplyClass* added = set.AddNewApplyClass(plan);
    ASSERT_NE(added, nullptr);
    CGISApplyClass second = Class(3, "B", {{2, 0}});
    ASSERT_NE(set.AddNewApplyClass(second), nullptr);
    EXPECT_EQ(set.GetSize(), 2);

    // A class adds and removes its members through its own access object.
    CGISApplyClassData member = Class(3, "A", {{4, 1}}).ApplyClassData[0];
    EXPECT_EQ(added->AddNewData(member), 2);
    EXPECT_EQ(Stored(3), (Table{{"A", "1", "0"}, {"A", "4", "1"}, {"B", "2", "0"}}));
    EXPECT_EQ(added->DeleteData(0), 2);
    EXPECT_EQ(added->DeleteData(5), 1);
    EXPECT_EQ(Stored(3), (Table{{"A", "4", "1"}, {"B", "2", "0"}}));

    added->ApplyClassData[0].DataObjectID = 5;
    EXPECT_EQ(set.EditApplyClass(0), 2);
    EXPECT_EQ(set.EditApplyClass(2), 1);
    EXPECT_EQ(Stored(3), (Table{{"A", "5", "1"}, {"B", "2", "0"}}));

    CGISApplyClassSet copy;
    copy = set;
    ASSERT_EQ(copy.GetSize(), 2);
    EXPECT_NE(copy.GetAt(0), set.GetAt(0));
    EXPECT_EQ(copy.RefDBClassAccess(), access);

    set.DeleteApplyClass(-1);
    set.DeleteApplyClass(copy.GetAt(0));  // not an element of this set
    EXPECT_EQ(set.GetSize(), 2);
    set.DeleteApplyClass(added);
    EXPECT_EQ(set.GetSize(), 1);
    EXPECT_EQ(Stored(3), (Table{{"B", "2", "0"}}));
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
