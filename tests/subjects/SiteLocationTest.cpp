#include <gtest/gtest.h>

#include "subjects/SubjectsFixture.h"

namespace ghdb::test {
namespace {

using SiteLocationTest = SubjectsTest;

CGISSiteLocation Location(const char* name, const char* sub, long layerId) {
    CGISSiteLocation location;
    location.LocationName = name;
    location.SubLocationName = sub;
    location.LayerID = layerId;
    location.FieldName = "MC";
    return location;
}

TEST_F(SiteLocationTest, TheTableIsReplacedAsAWholeOrLeftAsItWas) {
    CArray<CGISSiteLocation, CGISSiteLocation&> locations;
    CGISSiteLocation first = Location("St Mary's", "north gate", 3);
    CGISSiteLocation second = Location("harbour", "pier 2", 4);
    locations.Add(first);
    locations.Add(second);
    EXPECT_EQ(access->EditSiteLocations(locations), 2);
    CArray<CGISSiteLocation, CGISSiteLocation&> read;
    EXPECT_EQ(access->GetSiteLocations(read), 2);
    EXPECT_EQ(access->GetSiteLocations(read), 2);
    ASSERT_EQ(read.GetSize(), 4);  // appended twice
    EXPECT_EQ(read[0].LocationName, "St Mary's");
    EXPECT_EQ(read[0].SubLocationName, "north gate");
    EXPECT_EQ(read[0].LayerID, 3);
    EXPECT_EQ(read[0].FieldName, "MC");

    RefuseRepeated("GHGIS_SiteLocation", "LocationName, SubLocationName");
    locations.Add(locations[0]);
    EXPECT_EQ(access->EditSiteLocations(locations), -1);
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(Count("GHGIS_SiteLocation"), 2);

    CArray<CGISSiteLocation, CGISSiteLocation&> none;
    EXPECT_EQ(access->EditSiteLocations(none), 2);
    EXPECT_EQ(access->GetSiteLocations(read), 1);
    EXPECT_EQ(read.GetSize(), 4);
}

}  // namespace
}  // namespace ghdb::test
