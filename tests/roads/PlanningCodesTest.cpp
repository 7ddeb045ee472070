#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

using PlanningCodesTest = FamilyTest;

// A list of meanings, each given as {id, parent id}, owned by the list.
struct Meanings : CAutoReleaseArray<CGHMeaning*, CGHMeaning*&> {
    Meanings(std::initializer_list<std::pair<long, long>> links) {
        for (const auto& [id, parentId] : links) {
            CGHMeaning* meaning = new CGHMeaning;
            meaning->MeaningID = id;
            meaning->ParentID = parentId;
            Add(meaning);
        }
    }
};

TEST_F(PlanningCodesTest, LevelsAndMeaningsAreReadByIdOrAllAppended) {
    Insert("GHSJ_GHLevelConfig (LevelID, LevelName)", {"3, '详细规划'"});
    Insert("GHSJ_GHMeaningConfig (MeaningID, ParentID, MeaningName, sequence)",
           {"8, 2, '道路', 4"});
    CGHLevel level(3, ""), missing(4, "kept");
    EXPECT_EQ(access->GetGHLevel(level), 2);
    EXPECT_EQ(level.LevelName, "详细规划");
    EXPECT_EQ(access->GetGHLevel(missing), 1);  // an unknown id leaves the record
    EXPECT_EQ(missing.LevelName, "kept");
    CGHMeaning meaning;
    meaning.MeaningID = 8;
    EXPECT_EQ(access->GetGHMeaning(meaning), 2);
    EXPECT_EQ(meaning.MeaningName, "道路");

    // Stored column by column: the elements are not attached to the access object.
    Meanings meanings{{10, -1}};
    EXPECT_EQ(access->EditAllGHMeaning(meanings), 2);
    EXPECT_EQ(meanings[0]->RefDBClassAccess(), nullptr);
    EXPECT_EQ(access->GetAllGHMeaning(meanings), 2);  // reads append
    EXPECT_EQ(Each(meanings, [](auto* m) { return m->MeaningID; }), (std::vector<long>{10, 10}));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(PlanningCodesTest, LayersAreListedAndMovedByMeaning) {
    for (long id : {1L, 2L, 3L}) InsertLayer(id, fmt::format("L{}", id));
    Exec("UPDATE GHGIS_Layer SET MeaningID = 3 WHERE LayerID <> 2");
    CGHMeaning meaning;
    meaning.MeaningID = 3;
    CArray<CGISLayer*, CGISLayer*> layers;
    EXPECT_EQ(access->GetGISLayersbyGHMeaning(meaning, layers), 2);
    EXPECT_EQ(layers.GetSize(), 2);
    ReleaseArrayData(layers, 0);

    StatementLog& log = LogStatements();
    EXPECT_EQ(access->SetGISLayersByGHMeaning(3, 7), 2);
    EXPECT_EQ(log.statements(),
              std::vector<std::string>{"UPDATE GHGIS_Layer SET MeaningID = 7 WHERE MeaningID = 3"});
    EXPECT_EQ(Count("GHGIS_Layer", "MeaningID = 7"), 2);
    EXPECT_EQ(access->SetGISLayersByGHMeaning(3, 7), 2);  // none left to move
    EXPECT_EQ(Count("GHGIS_Layer", "MeaningID = 7"), 2);
}

TEST(MeaningTreeTest, ParentsRootsAndChildren) {
    // 1 <- 2 <- 4, 1 <- 3; 9 names a parent that is not in the list; a later 1 is a duplicate.
    Meanings m{{1, 0}, {2, 1}, {3, 1}, {4, 2}, {9, 50}, {1, 4}};
    EXPECT_EQ(m[3]->GetParent(m), m[1]);
    EXPECT_EQ(m[1]->GetParent(m), m[0]);  // the first meaning of an id
    EXPECT_EQ(m[4]->GetParent(m), nullptr);
    EXPECT_EQ(m[4]->FindTopParent(m), m[4]);
    EXPECT_EQ(m[3]->FindTopParent(m), m[0]);
    EXPECT_EQ(m[3]->IsMyAncestor(m, m[0]), 1);
    EXPECT_EQ(m[3]->IsMyAncestor(m, m[2]), 0);  // a sibling of its parent
    EXPECT_EQ(m[3]->IsMyAncestor(m, m[3]), 0);

    CArray<CGHMeaning*, CGHMeaning*> children;
    children.Add(m[4]);  // emptied first
    EXPECT_EQ(m[0]->GetChildMeaningArr(m, children), 2);
    EXPECT_EQ(Each(children, [](auto* c) { return c; }), (std::vector<CGHMeaning*>{m[1], m[2]}));

    // A meaning without id has no parent and no children, even beside meanings whose parent
    // is -1.
    Meanings none{{-1, 1}, {5, -1}};
    EXPECT_EQ(none[0]->GetParent(m), nullptr);
    EXPECT_EQ(none[0]->GetChildMeaningArr(none, children), 0);
    EXPECT_EQ(children.GetSize(), 0);
}

TEST(MeaningTreeTest, WalksUpAParentLoopEndInsteadOfRunningForever) {
    // 1 -> 2 -> 3 -> 1, and 4 hangs under the loop.
    Meanings m{{1, 3}, {2, 1}, {3, 2}, {4, 2}, {5, 0}};
    EXPECT_EQ(m[3]->IsMyAncestor(m, m[2]), 1);
    EXPECT_EQ(m[3]->IsMyAncestor(m, m[4]), 0);
    EXPECT_EQ(m[0]->IsMyAncestor(m, m[0]), 0);
    EXPECT_EQ(m[0]->FindTopParent(m), m[1]);  // the last meaning before the loop closes
    EXPECT_EQ(m[3]->FindTopParent(m), m[2]);
    Meanings self{{6, 6}};
    EXPECT_EQ(self[0]->FindTopParent(self), self[0]);
}

TEST(WorkTypeTest, MembershipFollowsTheMeaningTree) {
    // 5 <- 6 <- 7, 5 <- 8.
    Meanings m{{5, 0}, {6, 5}, {7, 6}, {8, 5}};
    CGHWorkType work;
    EXPECT_EQ(work.IsBelongToGHMeaning(-1, m), 1);  // any meaning, even without one
    EXPECT_EQ(work.IsBelongToGHMeaning(5, m), 0);
    work.MeaningID = 7;
    EXPECT_EQ(work.IsBelongToGHMeaning(5, m), 1);
    EXPECT_EQ(work.GetGHMeaning(), m[2]);  // the lookup is cached
    EXPECT_EQ(work.IsBelongToGHMeaning(7, m), 1);
    EXPECT_EQ(work.IsBelongToGHMeaning(8, m), 0);
    EXPECT_EQ(work.IsBelongToGHMeaning(42, m), 0);

    work.LevelID = 1;
    work.StatusID = 2;
    EXPECT_EQ(work.IsBelongTo(1, 2, 6, m), 1);
    EXPECT_EQ(work.IsBelongTo(1, 3, 6, m), 0);
    EXPECT_EQ(work.IsBelongTo(-1, 2, 6, m), 0);  // -1 matches only -1 for a level
}

TEST(WorkTypeTest, CopiesCompareAndCacheLookups) {
    CGHLevel levelA(1, "总体规划"), levelB(2, "详细规划");
    CArray<CGHLevel*, CGHLevel*&> levels;
    for (CGHLevel* level : {&levelA, &levelB}) levels.Add(level);

    CGHWorkType a;
    EXPECT_EQ(a.WorkTypeId, 0);
    a.WorkTypeId = 1;
    a.SetGHLevel(&levelB);
    a.InsertLayerID(4);
    a.InsertLayerID(4);
    a.InsertLayerID(2);
    EXPECT_EQ(a.LayerIDs, (std::set<long>{2, 4}));
    CGHWorkType b(a);
    EXPECT_EQ(b.WorkTypeId, 1);
    EXPECT_EQ(b.GetGHLevel(), &levelB);
    b.WorkTypeId = 2;
    b.EraseLayerID(4);
    EXPECT_TRUE(a == b);  // ids of the work type and layers do not count
    b.StatusID = 3;
    EXPECT_TRUE(a != b);
    EXPECT_EQ(a.IsSameLevel(&b), 1);
    EXPECT_EQ(a.IsSameStatus(&b), 0);
    EXPECT_EQ(a.IsSameStatus(nullptr), 0);

    EXPECT_EQ(b.GetGHLevelName(levels), "详细规划");
    b.LevelID = 9;
    EXPECT_EQ(b.GetGHLevelName(levels), "");
    EXPECT_EQ(b.GetGHLevel(), nullptr);
    b.SetGHLevel(nullptr);
    EXPECT_EQ(b.IsGHLevelNoDefined(), 1);

    CGHWorkTypeArr arr;
    arr.Add(a);
    arr.Add(b);
    CGHWorkTypeArr copy(arr);
    copy = copy;
    ASSERT_EQ(copy.GetSize(), 2);
    EXPECT_EQ(copy[1].StatusID, 3);
}

}  // namespace
}  // namespace ghdb::test
