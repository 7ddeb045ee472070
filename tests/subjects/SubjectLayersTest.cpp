#include <gtest/gtest.h>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

using SubjectLayersTest = FamilyTest;

CArray<long, long> List(std::initializer_list<long> values) {
    CArray<long, long> list;
    for (long v : values) list.Add(v);
    return list;
}

std::vector<long> Values(const CArray<long, long>& list) {
    return {list.begin(), list.end()};
}

std::vector<std::string> Names(const CGISLayerSet& layers) {
    std::vector<std::string> names;
    for (const CGISLayer* layer : layers) names.push_back(layer->LayerName.str());
    return names;
}

TEST_F(SubjectLayersTest, ASubjectsLayersAreReplacedInListOrder) {
    Assign(7, 1, 0);
    Assign(8, 1, 0);
    CArray<long, long> layers = List({12, 5, 9});
    EXPECT_EQ(access->SetSubjectLayers(7, layers), 2);
    EXPECT_EQ(Rows("SELECT SubjectID, LayerID, LayerOrder FROM GHGIS_SubjectLayers WHERE "
                   "SubjectID = 7 ORDER BY LayerOrder"),
              (Table{{"7", "12", "0"}, {"7", "5", "1"}, {"7", "9", "2"}}));
    CArray<long, long> ids = List({99});
    EXPECT_EQ(access->GetSubjectLayers(7, ids), 2);
    EXPECT_EQ(Values(ids), (std::vector<long>{99, 12, 5, 9}));

    CArray<long, long> none;
    EXPECT_EQ(access->SetSubjectLayers(7, none), 1);
    EXPECT_EQ(access->GetSubjectLayers(7, ids), 1);
    EXPECT_EQ(ids.GetSize(), 4);
    EXPECT_EQ(Count("GHGIS_SubjectLayers"), 1);
}

TEST_F(SubjectLayersTest, LayerListsFollowTheOrderAndLeaveHiddenAssignmentsOutWhenAsked) {
    InsertLayer(1, "roads");
    InsertLayer(2, "parcels");
    InsertLayer(3, "pipes");
    EXPECT_EQ(access->AddSubjectLayer(7, 1, 4), 2);
    EXPECT_EQ(access->AddSubjectLayer(7, 2, -1), 2);  // after the last
    EXPECT_EQ(access->AddSubjectLayer(8, 3, -5), 2);  // the first of subject 8
    Assign(7, 3, -1);                                 // hidden
    EXPECT_EQ(Rows("SELECT SubjectID, LayerID, LayerOrder FROM GHGIS_SubjectLayers ORDER BY "
                   "SubjectID, LayerOrder"),
              (Table{{"7", "3", "-1"}, {"7", "1", "4"}, {"7", "2", "5"}, {"8", "3", "0"}}));

    CGISLayerSet layers;
    EXPECT_EQ(access->GetSubjectLayers(7, layers, 0), 2);
    EXPECT_EQ(Names(layers), (std::vector<std::string>{"pipes", "roads", "parcels"}));
    EXPECT_EQ(access->GetSubjectLayers(7, layers, 1), 2);
    EXPECT_EQ(layers.GetSize(), 5);  // appended
    EXPECT_EQ(access->GetSubjectLayers(9, layers, 1), 2);

    CArray<long, long> layerIds, subjectIds;
    EXPECT_EQ(access->GetSubject_Layer_pairs(layerIds, subjectIds), 2);
    EXPECT_EQ(Values(layerIds), (std::vector<long>{3, 3, 1, 2}));
    EXPECT_EQ(Values(subjectIds), (std::vector<long>{7, 8, 7, 7}));

    // These leave the table as it is.
    int order = 42;
    EXPECT_EQ(access->AddSubjectLayers(7, layerIds), 0);
    EXPECT_EQ(access->DeleteSubjectLayer(7, 1), 0);
    EXPECT_EQ(access->GetSubjectLayer(7, 1, order), 0);
    EXPECT_EQ(order, 42);
    EXPECT_EQ(Count("GHGIS_SubjectLayers"), 4);

    Assign(7, -101, 6);
    EXPECT_EQ(access->DeleteSubjectLayersOfCustom(7), 2);
    EXPECT_EQ(Count("GHGIS_SubjectLayers", "SubjectID = 7"), 3);
    EXPECT_EQ(access->DeleteSubjectLayerOfLayer(3), 2);
    EXPECT_EQ(Count("GHGIS_SubjectLayers"), 2);
    EXPECT_EQ(access->DeleteSubjectLayers(7), 2);
    EXPECT_EQ(Count("GHGIS_SubjectLayers"), 0);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SubjectLayersTest, ATypeIsRefiledAsExactlyItsList) {
    InsertSubject(40, -1, 0);
    InsertSubject(41, -1, 0);
    InsertSubject(42, 41, 0);
    File(3, 42, 0);
    File(4, 40, 0);
    CArray<long, long> filed = List({41, 40});
    EXPECT_EQ(access->EditSubjectsOfClass(3, filed), 2);
    CArray<long, long> ids;
    EXPECT_EQ(access->GetSubjectsOfClass(3, ids), 2);
    EXPECT_EQ(Values(ids), (std::vector<long>{41, 40}));
    CArray<CGISDefaultSubject, CGISDefaultSubject&> subjects;
    ASSERT_EQ(access->GetAllDefaultSubject(3, subjects, 1), 2);
    // A filed subject takes the type of the filing; a descendant keeps its own.
    EXPECT_EQ(Each(subjects, [](auto& s) { return Row(s.SubjectID, s.SubjectType); }),
              (Table{{"41", "3"}, {"40", "3"}, {"42", "0"}}));

    EXPECT_EQ(Rows("SELECT SubjectID, SubjectOrder FROM GHGIS_SubjectClass WHERE SubjectType = 3 "
                   "ORDER BY SubjectOrder"),
              (Table{{"41", "0"}, {"40", "1"}}));

    InsertLayer(1, "roads");
    InsertLayer(2, "parcels");
    Assign(40, 1, 1);
    Assign(41, 2, 0);
    Assign(41, 1, 2);
    CGISLayerSet layers;
    EXPECT_EQ(access->GetSubjectLayersOfClass(3, layers), 2);
    EXPECT_EQ(Names(layers), (std::vector<std::string>{"parcels", "roads", "roads"}));

    EXPECT_EQ(access->ClearSubjectsFromClass(3), 2);
    EXPECT_EQ(access->GetSubjectsOfClass(3, ids), 1);
    CArray<long, long> none;
    EXPECT_EQ(access->EditSubjectsOfClass(4, none), 1);
    EXPECT_EQ(Count("GHGIS_SubjectClass"), 0);
}

}  // namespace
}  // namespace ghdb::test
