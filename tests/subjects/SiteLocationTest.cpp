#include <gtest/gtest.h>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

using SiteLocationTest = FamilyTest;

TEST_F(SiteLocationTest, ReadsAppendToWhatTheArrayHolds) {
    CArray<CGISSiteLocation, CGISSiteLocation&> read;
    EXPECT_EQ(access->GetSiteLocations(read), 1);
    Insert("GHGIS_SiteLocation (LocationName, SubLocationName, LayerID, FieldName)",
           {"'St Mary''s', 'north gate', 3, 'MC'", "'harbour', 'pier 2', 4, 'MC'"});
    EXPECT_EQ(access->GetSiteLocations(read), 2);
    EXPECT_EQ(access->GetSiteLocations(read), 2);
    EXPECT_EQ(Each(read, [](auto& l) { return Text(l.LocationName); }),
              (std::vector<std::string>{"St Mary's", "harbour", "St Mary's", "harbour"}));
}

}  // namespace
}  // namespace ghdb::test
