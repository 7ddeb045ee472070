// What the catalogue keeps beside a layer's own row: its extension, its verify and update
// settings, its field pages, and the enumerations its fields use.

#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

using LayerExTest = CatalogueTest;

TEST_F(LayerExTest, ShapeTypeChoosesTheDefaultFlags) {
    EXPECT_EQ(CLayerEx(1).DWGEntType, "011110000100000");
    EXPECT_EQ(CLayerEx(9).DWGEntType, "000000000000000");
    EXPECT_EQ(CLayerEx(-1).DWGEntType, "000000000000000");
    EXPECT_EQ(CLayerVerifyUpdate(2).VerifyType, "111111111000000");
    EXPECT_EQ(CLayerVerifyUpdate(2).UpdateType, "1100");
    EXPECT_EQ(CLayerVerifyUpdate(4).VerifyType, "000000000000000");
}

TEST_F(LayerExTest, MissingRowsAnswerOneAndEditByLayerCanMoveTheRow) {
    Insert("GH_LayerEx (LayerID, LayerParseID)", {"3, 1", "4, 2"});
    CLayerEx ex;
    ex.DrawOrder = 77;
    EXPECT_EQ(access->GetGISLayerEx(7, ex), 1);
    EXPECT_EQ(ex.LayerID, 7);
    EXPECT_EQ(ex.DrawOrder, 77);
    EXPECT_EQ(access->EditGISLayerEx(ex), 1);
    EXPECT_TRUE(messages.messages().empty());

    ex.LayerID = 8;
    ex.LayerParseID = 12;
    EXPECT_EQ(access->EditGISLayerEx(3, ex), 2);
    EXPECT_EQ(Rows("SELECT LayerID, LayerParseID FROM GH_LayerEx ORDER BY LayerID"),
              (Table{{"4", "2"}, {"8", "12"}}));
    int exists = -1;
    EXPECT_EQ(access->DeleteGISLayerEx(8), 2);
    EXPECT_EQ(access->ExistingLayerEx(8, exists), 1);
    EXPECT_EQ(exists, 0);
    EXPECT_EQ(access->ExistingLayerEx(4, exists), 1);
    EXPECT_EQ(exists, 1);
}

TEST_F(LayerExTest, ParseIdsInUseAreCountedAndTheNextFollowsTheGreatest) {
    EXPECT_EQ(access->GetMaxParseIdOfLayerEx(), 1);
    Insert("GH_LayerEx (LayerID, LayerParseID)", {"1, 3", "2, 8"});
    EXPECT_EQ(access->GetMaxParseIdOfLayerEx(), 9);
    EXPECT_TRUE(access->IsHasThisParseId(8));
    EXPECT_FALSE(access->IsHasThisParseId(9));

    Exec("DROP TABLE GH_LayerEx");
    EXPECT_EQ(access->GetMaxParseIdOfLayerEx(), 0);
    EXPECT_FALSE(access->IsHasThisParseId(8));
    EXPECT_EQ(messages.messages().size(), 2u);
}

using LayerVerifyUpdateTest = CatalogueTest;

TEST_F(LayerVerifyUpdateTest, SettingsAreEditedUnderTheirLayerAndRemoved) {
    CLayerVerifyUpdate vu(2);
    vu.LayerID = 12;
    vu.ProjectLayerID = 40;
    ASSERT_EQ(access->AddLayerVerifyUpdate(vu), 2);
    CLayerVerifyUpdate read;
    ASSERT_EQ(access->GetLayerVerifyUpdate(12, read), 2);
    read.UpdateType = "0011";
    EXPECT_EQ(access->EditLayerVerifyUpdate(read), 2);
    EXPECT_EQ(access->EditLayerVerifyUpdate(13, read), 1);
    EXPECT_EQ(Rows("SELECT LayerID, ProjectLayerID, UpdateType FROM GH_VerifyUpdate"),
              (Table{{"12", "40", "0011"}}));

    int exists = -1;
    EXPECT_EQ(access->DeleteLayerVerifyUpdate(12), 2);
    EXPECT_EQ(access->ExistingLayerVerifyUpdate(12, exists), 1);
    EXPECT_EQ(exists, 0);
}

TEST_F(LayerVerifyUpdateTest, ProjectLayerMembersArePositiveLayerIdsAppended) {
    Insert("GH_VerifyUpdate (LayerID, ProjectLayerID)",
           {"5, 100", "0, 100", "-3, 100", "NULL, 100", "9, 100", "7, 200", "0, 300"});
    CArray<long, long> ids;
    ids.Add(42);
    EXPECT_EQ(access->GetProjectLayerHasGISLayerIdAry(100, ids), 2);
    std::vector<long> got = Each(ids, std::identity{});
    std::sort(got.begin() + 1, got.end());
    EXPECT_EQ(got, (std::vector<long>{42, 5, 9}));

    // Rows that yield no id still count as rows.
    CArray<long, long> none;
    EXPECT_EQ(access->GetProjectLayerHasGISLayerIdAry(300, none), 2);
    EXPECT_EQ(access->GetProjectLayerHasGISLayerIdAry(400, none), 1);
    EXPECT_EQ(none.GetSize(), 0);
}

using PageInfoTest = CatalogueTest;

TEST_F(PageInfoTest, PagesAreReadByNumberOrLayerAndRemovedPerLayerSilently) {
    Insert("GHGIS_PageInfo (PageNum, PageName, LayerId)",
           {"1, 'general', 10", "2, 'survey', 10", "1, 'other', 11"});
    CGHPageInfo page;
    EXPECT_EQ(access->GetFieldPageInfo(2, 10, page), 2);
    EXPECT_EQ(page.PageName, "survey");
    page.PageName = "kept";
    EXPECT_EQ(access->GetFieldPageInfo(3, 10, page), 1);
    EXPECT_EQ(page.PageName, "kept");

    CAutoReleaseArray<CGHPageInfo*, CGHPageInfo*&> pages;
    EXPECT_EQ(access->GetAllPageInfo(10, pages), 2);
    auto numbers = Each(pages, &CGHPageInfo::PageNum);
    std::ranges::sort(numbers);
    EXPECT_EQ(numbers, (decltype(numbers){1, 2}));

    EXPECT_EQ(access->DelPageInfoByLayer(10), 2);
    EXPECT_EQ(Rows("SELECT PageName FROM GHGIS_PageInfo"), (Table{{"other"}}));
    Exec("DROP TABLE GHGIS_PageInfo");
    EXPECT_EQ(access->DelPageInfoByLayer(11), -1);
    EXPECT_TRUE(messages.messages().empty());
}

using FieldEnumDefTest = CatalogueTest;

TEST_F(FieldEnumDefTest, EntriesComeInEnumerationThenDisplayOrderWithTheirKeys) {
    Insert("GHSJ_FieldEnumDef (EnumText, EnumValue, EnumType, Sequence)",
           {"'4-second', 20, 4, 2", "'7-first', 70, 7, 1", "'4-first', 10, 4, 1",
            "'2-only', 5, 2, 9"});
    CArray<CFieldEnumDef, CFieldEnumDef&> all;
    EXPECT_EQ(access->GetFieldEnumDefArray(-1, all), 2);
    EXPECT_EQ(Each(all, &CFieldEnumDef::EnumText),
              (std::vector<std::string>{"2-only", "4-first", "4-second", "7-first"}));

    CArray<CFieldEnumDef, CFieldEnumDef&> four;
    EXPECT_EQ(access->GetFieldEnumDefArray(4, four), 2);
    EXPECT_EQ(Each(four, &CFieldEnumDef::EnumText),
              (std::vector<std::string>{"4-first", "4-second"}));
    EXPECT_EQ(four[0].EnumValue, 10);
    EXPECT_EQ(Rows("SELECT ID FROM GHSJ_FieldEnumDef WHERE EnumText = '4-first'")[0][0],
              std::to_string(four[0].ID));
    EXPECT_EQ(access->GetFieldEnumDefArray(9, four), 1);
    EXPECT_EQ(four.GetSize(), 2);
}

}  // namespace
}  // namespace ghdb::test
