#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>
#include <set>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

using Subjects = CArray<CGISDefaultSubject, CGISDefaultSubject&>;

std::vector<long> Ids(const Subjects& subjects) {
    return Each(subjects, [](auto& s) { return s.SubjectID; });
}

CGISDefaultSubject Subject(long id, long parentId, long order) {
    CGISDefaultSubject s;
    s.SubjectID = id;
    s.ParentID = parentId;
    s.OrderIndex = order;
    return s;
}

class DefaultSubjectTest : public FamilyTest {
protected:
    // Type 1 files two top-level subjects, 10 before 20; below them:
    //   10: 11 (order 2), 12 (order 1), 13 (order 1, stored after 12)
    //   12: 121        20: 21        121: 1211
    void LayOutTree() {
        InsertSubject(20, -1, 0, "second");
        InsertSubject(11, 10, 2);
        InsertSubject(10, -1, 0, "first");
        InsertSubject(12, 10, 1);
        InsertSubject(21, 20, 0);
        InsertSubject(121, 12, 0);
        InsertSubject(13, 10, 1);
        InsertSubject(1211, 121, 0);
        File(1, 20, 1);
        File(1, 10, 0);
    }
};

TEST_F(DefaultSubjectTest, NewSubjectsTakeTheNextSiblingPositionOrTheNextCustomId) {
    EXPECT_EQ(CGISDefaultSubject().OrderIndex, 0);
    CGISDefaultSubject kid = Subject(50, 5, 40);
    kid.SubjectName = "O'Hara's plan";
    ASSERT_EQ(access->AddDefaultSubject(kid), 2);
    EXPECT_EQ(kid.OrderIndex, 1);
    kid.SubjectID = 51;
    ASSERT_EQ(access->AddDefaultSubject(kid), 2);
    EXPECT_EQ(kid.OrderIndex, 2);
    EXPECT_EQ(access->GetMaxOrderIndexOfSubject(5), 3);
    EXPECT_EQ(access->GetMaxOrderIndexOfSubject(99), 1);

    CGISDefaultSubject custom = Subject(-100, -1, 0);
    ASSERT_EQ(access->AddDefaultSubjectOfCustom(custom, 0), 2);  // the root, as given
    EXPECT_EQ(custom.SubjectID, -100);
    custom.ParentID = -100;
    ASSERT_EQ(access->AddDefaultSubjectOfCustom(custom, 1), 2);
    EXPECT_EQ(custom.SubjectID, -101);
    InsertSubject(-250, -100, 9);
    ASSERT_EQ(access->AddDefaultSubjectOfCustom(custom, 1), 2);
    EXPECT_EQ(custom.SubjectID, -251);
    EXPECT_EQ(Rows("SELECT SubjectID, OrderIndex FROM GHGIS_DefaultSubject WHERE SubjectID < -100 "
                   "ORDER BY SubjectID DESC"),
              (Table{{"-101", "0"}, {"-250", "9"}, {"-251", "0"}}));

    CGISDefaultSubject read;
    read.SubjectID = 50;
    ASSERT_EQ(access->GetDefaultSubject(read), 2);
    EXPECT_EQ(read.SubjectName, "O'Hara's plan");
    read.SubjectName = "renamed";
    read.SubjectID = 60;
    EXPECT_EQ(access->EditDefaultSubject(50, read), 2);  // renumbers
    EXPECT_EQ(Rows("SELECT SubjectName FROM GHGIS_DefaultSubject WHERE SubjectID = 60"),
              (Table{{"renamed"}}));
    EXPECT_EQ(access->EditDefaultSubject(50, read), 1);
    EXPECT_EQ(access->DeleteDefaultSubject(60), 2);
    EXPECT_EQ(access->GetDefaultSubject(read), 1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(DefaultSubjectTest, ATypeListsItsSubjectsEachFollowedByItsDescendants) {
    Subjects out;
    EXPECT_EQ(access->GetAllDefaultSubject(1, out, 1), 1);  // no subject at all
    LayOutTree();
    EXPECT_EQ(access->GetAllDefaultSubject(7, out, 1), 1);  // nothing filed under 7

    CGISDefaultSubject earlier = Subject(99, 5, 0);
    out.Add(earlier);  // reads append
    ASSERT_EQ(access->GetAllDefaultSubject(1, out, 1), 2);
    EXPECT_EQ(Ids(out), (std::vector<long>{99, 10, 20, 12, 13, 11, 121, 1211, 21}));
    EXPECT_EQ(out[1].SubjectName, "first");

    Subjects every;
    ASSERT_EQ(access->GetAllDefaultSubject(-1, every, 1), 2);
    EXPECT_EQ(every.GetSize(), 8);

    Subjects kids;
    EXPECT_EQ(access->GetKidSubjects(1211, kids), 1);
    EXPECT_EQ(access->GetKidSubjects(10, kids), 2);
    EXPECT_EQ(Ids(kids), (std::vector<long>{12, 13, 11}));
    // The record's own child list sorts what the array held before as well.
    Subjects held;
    CGISDefaultSubject before = Subject(7, 0, 5);
    held.Add(before);
    CGISDefaultSubject ten = Subject(10, -1, 0);
    EXPECT_EQ(ten.GetKidSubjects(every, held), 0);
    EXPECT_EQ(Ids(held), (std::vector<long>{12, 13, 11, 7}));
    Subjects below;
    EXPECT_EQ(ten.GetKidSubjectRec(every, below), 0);
    EXPECT_EQ(Ids(below), (std::vector<long>{12, 13, 11, 121, 1211}));
    EXPECT_TRUE(messages.messages().empty());
}

// The order of a type's subjects as it is defined, written plainly: the filed top-level
// subjects, and every subject of the growing list whose parent is negative followed by its
// descendants (children found by scanning all subjects), repeats removed at the end.
std::vector<long> PlainOrder(const std::vector<CGISDefaultSubject>& all,
                             const std::vector<long>& filed) {
    std::vector<CGISDefaultSubject> out;
    for (long id : filed)
        for (const auto& s : all)
            if (s.SubjectID == id && s.ParentID < 0) out.push_back(s);
    std::function<void(long)> walk = [&](long id) {
        std::vector<CGISDefaultSubject> kids;
        for (const auto& s : all)
            if (s.ParentID == id) kids.push_back(s);
        std::stable_sort(kids.begin(), kids.end(),
                         [](auto& a, auto& b) { return a.OrderIndex < b.OrderIndex; });
        out.insert(out.end(), kids.begin(), kids.end());
        for (const auto& kid : kids) walk(kid.SubjectID);
    };
    for (std::size_t i = 0; i < out.size(); ++i)
        if (out[i].ParentID < 0) walk(out[i].SubjectID);
    std::vector<long> ids;
    std::set<long> met;
    for (const auto& s : out)
        if (met.insert(s.SubjectID).second) ids.push_back(s.SubjectID);
    return ids;
}

TEST_F(DefaultSubjectTest, TheTreeWalkGivesTheDefinedOrderOnMixedForests) {
    // Custom and default subjects mixed, so that descendants with negative parents are walked
    // again, shared sibling orders, and filings of top-level and inner subjects.
    std::mt19937 random(7);
    std::vector<long> ids(40);
    std::iota(ids.begin(), ids.end(), -20);
    std::shuffle(ids.begin(), ids.end(), random);
    std::uniform_int_distribution<int> pick(0, 39), order(0, 2);
    std::vector<CGISDefaultSubject> all;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const long parent = i % 5 == 0 ? -1000 : ids[static_cast<std::size_t>(pick(random)) % i];
        all.push_back(Subject(ids[i], parent, order(random)));
        InsertSubject(ids[i], parent, all.back().OrderIndex);
    }
    std::vector<long> filed;
    for (long i = 0; i < 12; ++i) {
        filed.push_back(ids[static_cast<std::size_t>(pick(random))]);
        File(3, filed.back(), i);
    }
    Subjects out;
    ASSERT_EQ(access->GetAllDefaultSubject(3, out, 1), 2);
    EXPECT_EQ(Ids(out), PlainOrder(all, filed));
}

TEST_F(DefaultSubjectTest, CustomSubjectsHangBelowTheCustomRoot) {
    InsertSubject(-101, -100, 1);
    InsertSubject(-102, -100, 0);
    InsertSubject(-103, -101, 0);
    InsertSubject(5, -100, 0);  // not custom: not listed
    Subjects out;
    EXPECT_EQ(access->GetAllCustomSubject(out, 1), 1);  // no root
    InsertSubject(-100, -1, 0, "mine");
    ASSERT_EQ(access->GetAllCustomSubject(out, 0), 2);
    EXPECT_EQ(Ids(out), (std::vector<long>{-100}));
    ASSERT_EQ(access->GetAllCustomSubject(out, 1), 2);
    EXPECT_EQ(Ids(out), (std::vector<long>{-100, -100, -102, -101, -103}));
}

TEST_F(DefaultSubjectTest, WalksOverALoopOfParentLinksStop) {
    InsertSubject(1, 3, 0);
    InsertSubject(2, 1, 0);
    InsertSubject(3, 2, 0);
    Assign(2, 40, 0);
    Subjects all;
    ASSERT_EQ(access->GetAllDefaultSubject(-1, all, 1), 2);
    Subjects below;
    Subject(1, 3, 0).GetKidSubjectRec(all, below);
    EXPECT_EQ(Ids(below), (std::vector<long>{2, 3, 1}));

    // Custom subjects on a loop are walked again and again as the list grows, until the walk
    // meets what it has walked before.
    InsertSubject(-1, -2, 0);
    InsertSubject(-2, -1, 0);
    File(4, -1, 0);
    Subjects ofType;
    ASSERT_EQ(access->GetAllDefaultSubject(4, ofType, 1), 2);
    EXPECT_EQ(Ids(ofType), (std::vector<long>{-1, -2}));

    EXPECT_EQ(access->DeleteDefaultSubjectRecursive(1), 2);
    EXPECT_EQ(Count("GHGIS_DefaultSubject", "SubjectID > 0") + Count("GHGIS_SubjectLayers"), 0);
}

TEST_F(DefaultSubjectTest, ARecursiveDeleteRemovesChildrenFirstAndLeavesFilingsAlone) {
    LayOutTree();
    for (long subject : {10, 12, 121, 1211, 20}) Assign(subject, 1, 0);
    StatementLog& log = LogStatements();
    EXPECT_EQ(access->DeleteDefaultSubjectRecursive(12), 2);
    std::vector<std::string> deletes;
    for (const std::string& sql : log.statements())
        if (sql.rfind("Delete", 0) == 0) deletes.push_back(sql);
    EXPECT_EQ(deletes, (std::vector<std::string>{
                           "Delete FROM GHGIS_SubjectLayers WHERE (SubjectID = 1211)",
                           "Delete FROM GHGIS_DefaultSubject WHERE (SubjectID = 1211)",
                           "Delete FROM GHGIS_SubjectLayers WHERE (SubjectID = 121)",
                           "Delete FROM GHGIS_DefaultSubject WHERE (SubjectID = 121)",
                           "Delete FROM GHGIS_SubjectLayers WHERE (SubjectID = 12)",
                           "Delete FROM GHGIS_DefaultSubject WHERE (SubjectID = 12)",
                       }));
    EXPECT_EQ(Rows("SELECT SubjectID FROM GHGIS_SubjectLayers ORDER BY SubjectID"),
              (Table{{"10"}, {"20"}}));

    // A failed step does not stop the removal; the answer is that of the subject's own row.
    Exec("DROP TABLE GHGIS_SubjectLayers");
    EXPECT_EQ(access->DeleteDefaultSubjectRecursive(10), 2);
    EXPECT_EQ(messages.messages().size(), 3u);  // the layers of 13, 11 and 10
    EXPECT_EQ(Rows("SELECT SubjectID FROM GHGIS_DefaultSubject ORDER BY SubjectID"),
              (Table{{"20"}, {"21"}}));
    EXPECT_EQ(Count("GHGIS_SubjectClass"), 2);
}

TEST_F(DefaultSubjectTest, TheSubjectsOfALayerComeOncePerAssignmentInTheTypesOrder) {
    LayOutTree();
    Assign(121, 7, 0);
    Assign(20, 7, 0);
    Assign(20, 7, 1);
    Assign(30, 7, 0);  // no such subject
    Subjects all;
    ASSERT_EQ(access->GetLayerSubjects(7, all), 2);
    EXPECT_EQ(all.GetSize(), 3);
    Subjects ofType;
    ASSERT_EQ(access->GetLayerSubjects(7, 1, ofType), 2);
    EXPECT_EQ(Ids(ofType), (std::vector<long>{20, 20, 121}));
    EXPECT_EQ(access->GetLayerSubjects(8, 1, ofType), 1);
}

}  // namespace
}  // namespace ghdb::test
