#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

using LayerTest = CatalogueTest;

TEST_F(LayerTest, CustomLayersCountDownFromMinus101) {
    InsertLayer(7, "ordinary");
    CGISLayer layer;
    for (long expected : {-101, -102}) {
        ASSERT_EQ(access->AddLayerOfCustom(layer, 1), 2);
        EXPECT_EQ(layer.LayerID, expected);
    }
    layer.LayerID = 12;
    ASSERT_EQ(access->AddLayerOfCustom(layer, 0), 2);
    EXPECT_EQ(Rows("SELECT LayerID FROM GHGIS_Layer ORDER BY LayerID"),
              (Table{{"-102"}, {"-101"}, {"7"}, {"12"}}));
    EXPECT_EQ(Count("GHGIS_LayerGroupLayerRelation"), 0);
}

TEST_F(LayerTest, KidLayersComeInDisplayOrderNarrowedByAVerbatimFilter) {
    InsertLayer(1, "point", -1, 0);
    InsertLayer(2, "poly a", -1, 2);
    InsertLayer(3, "poly b", -1, 2);
    InsertLayer(4, "O'Hara", -1, 2);
    Link(5, 3, 1);
    Link(5, 1, 2);
    Link(5, 2, 3);
    CAutoReleaseArray<CGISLayer*, CGISLayer*> out;
    EXPECT_EQ(access->GetKidLayers(5, out, ""), 2);
    EXPECT_EQ(access->GetKidLayers(5, out, "ShapeType = 2"), 2);  // appends
    EXPECT_EQ(access->GetKidLayers(-1, out, "LayerName = 'O''Hara'"), 2);
    EXPECT_EQ(Each(out, &CGISLayer::LayerID), (std::vector<long>{3, 1, 2, 3, 2, 4}));
    EXPECT_EQ(out[0]->RefDBClassAccess(), access);
    ReleaseArrayData(out, 0);
    EXPECT_EQ(access->GetKidLayers(-1, out, ""), 2);
    EXPECT_EQ(out.GetSize(), 4);
}

TEST_F(LayerTest, TheLayerCacheShowsTheRowsAsReadUntilReloaded) {
    InsertLayer(1, "one");
    InsertLayer(2, "two");
    InsertLayer(2, "duplicate id");
    CGISLayer layer;
    ASSERT_EQ(access->GetGISLayerInfo(1, layer, 0), 2);
    EXPECT_EQ(layer.RefDBClassAccess(), access);
    layer.LayerName = "renamed";
    ASSERT_EQ(access->EditLayer(layer), 2);

    CGISLayer cached;
    EXPECT_EQ(access->GetGISLayerInfo(1, cached, 0), 2);
    EXPECT_EQ(cached.LayerName, "one");
    EXPECT_EQ(access->GetGISLayerInfo(CString("renamed"), cached, 0), 1);
    EXPECT_EQ(access->GetGISLayerInfo(1, cached, 1), 2);
    EXPECT_EQ(cached.LayerName, "renamed");
    EXPECT_EQ(access->GetGISLayerInfo(2, cached, 0), 2);
    EXPECT_EQ(cached.LayerName, "two");                                // the first of an id
    EXPECT_EQ(access->GetGISLayerInfo(CString("Two"), cached, 0), 1);  // names match exactly

    // The cache does not keep its access object alive: the last release still frees it.
    CBaseClassAccess* second = CBaseClassAccess::CreateInstance(connectionString.c_str());
    ASSERT_NE(second, nullptr);
    {
        CGISLayer copy;
        ASSERT_EQ(second->GetGISLayerInfo(1, copy, 0), 2);
        EXPECT_EQ(second->AddReference(), 3);  // the creator, the copy and this call
        second->ReleaseInstance();
    }
    EXPECT_EQ(second->ReleaseInstance(), 0);
}

TEST_F(LayerTest, LinksAreMovedAddedAndListed) {
    EXPECT_EQ(access->MoveLayer(3, 10), 1);  // no link to move
    EXPECT_EQ(access->AddGISLayerToOneGroup(10, 1), 2);
    EXPECT_EQ(access->AddGISLayerToOneGroup(10, 1), 2);  // linked twice
    Link(2, 10, 9);
    CUIntArray ids;
    ids.Add(99);  // emptied first
    EXPECT_EQ(access->GetThisLayerBelongToGroups(10, ids), 2);
    EXPECT_EQ(std::multiset<UINT>(ids.begin(), ids.end()), (std::multiset<UINT>{1, 1, 2}));

    EXPECT_EQ(access->DelGroupLayerByLayerAndGroup(10, 1), 2);
    EXPECT_EQ(access->MoveLayer(3, 10), 2);
    EXPECT_EQ(Rows("SELECT LayerGroupID, DispOrder FROM GHGIS_LayerGroupLayerRelation"),
              (Table{{"3", "9"}}));
    Exec("DROP TABLE GHGIS_LayerGroupLayerRelation");
    EXPECT_EQ(access->DelGroupLayerByLayer(10), -1);
    EXPECT_TRUE(messages.messages().empty());  // these deletes fail silently
}

TEST_F(LayerTest, TheSymbolOfAVexorLayerIsTextAndOtherSymbolsStayAsStored) {
    const std::string bytes("\x00\x07", 2);
    const std::pair<long, _variant_t> layers[] = {
        {AddSpacialDB("v", kDBTypeVexor), _variant_t("circle:red")},
        {AddSpacialDB("s", kDBTypeArcSDE), _variant_t::Bytes(bytes)},
        {42, _variant_t::Bytes(bytes)},  // no such database
        {42, _variant_t::Bytes(bytes)}};
    CGISLayer layer;
    layer.LayerID = 0;
    for (const auto& [dbId, symbol] : layers) {
        ++layer.LayerID;
        layer.DBID = dbId;
        layer.Symbol = symbol;
        ASSERT_EQ(access->AddLayerOfCustom(layer, 0), 2);
    }

    StatementLog& log = LogStatements();
    CAutoReleaseArray<CGISLayer*, CGISLayer*> out;
    ASSERT_EQ(access->GetKidLayers(-1, out, "LayerID > 0"), 2);
    auto read = Each(out, [](const CGISLayer* l) {
        return std::tuple(l->LayerID, l->Symbol.vt, l->Symbol.str);
    });
    std::ranges::sort(read);
    EXPECT_EQ(read, (decltype(read){{1, VT_BSTR, "circle:red"},
                                    {2, VT_BLOB_BYTES, bytes},
                                    {3, VT_BLOB_BYTES, bytes},
                                    {4, VT_BLOB_BYTES, bytes}}));
    // Each database is asked for once per read, the missing one too.
    EXPECT_EQ(log.Count("SELECT * FROM GHGIS_SpacialDBInfo"), 3);

    CGISLayer text;
    ASSERT_EQ(access->GetGISLayerInfo(1, text, 1), 2);
    EXPECT_EQ(text.SpacialDBInfo()->DBAlias, "v");
    text.Symbol = _variant_t("square");
    ASSERT_EQ(access->EditLayer(text), 2);
    ASSERT_EQ(access->GetGISLayerInfo(1, text, 1), 2);
    EXPECT_EQ(text.Symbol.str, "square");
}

TEST_F(LayerTest, ABorrowedSpatialDatabaseOutlivesTheAccessObjectItCameFrom) {
    const long id = AddSpacialDB("lent", kDBTypeArcSDE);
    CBaseClassAccess* lender = CBaseClassAccess::CreateInstance(connectionString.c_str());
    ASSERT_NE(lender, nullptr);
    CGISLayer layer;
    layer.SetSpacialDBInfo(lender, id);
    EXPECT_EQ(layer.DBID, id);
    EXPECT_EQ(lender->ReleaseInstance(), 1);  // the layer keeps the lender alive
    ASSERT_NE(layer.SpacialDBInfo(), nullptr);
    EXPECT_EQ(layer.SpacialDBInfo()->DBAlias, "lent");
    layer.SetSpacialDBInfo(access, -1);  // drops the database, keeps DBID
    EXPECT_EQ(layer.DBID, id);
    EXPECT_EQ(layer.SpacialDBInfo(), nullptr);  // no access object of its own to ask
}

TEST_F(LayerTest, FieldsOfALayerAreStoredUnderTheirOwnSequence) {
    InsertLayer(9, "fields");
    CGISLayer layer;
    ASSERT_EQ(access->GetGISLayerInfo(9, layer, 0), 2);
    CGISFieldInfo a = Field("A"), b = Field("B"), c = Field("C"), d = Field("D"), d2 = Field("D2");
    const std::pair<std::function<void()>, Table> steps[] = {
        {[&] {
             for (CGISFieldInfo* field : {&a, &b, &c}) layer.AddNewFieldInfo(*field, 1);
         },
         {{"0", "A"}, {"1", "B"}, {"2", "C"}}},
        // Removing the first field twice removes A, then B, whose sequence is 1.
        {[&] {
             layer.DeleteFieldInfo(0, 1);
             layer.DeleteFieldInfo(0, 1);
         },
         {{"2", "C"}}},
        // A new field takes a sequence no stored field has.
        {[&] { layer.AddNewFieldInfo(d, 1); }, {{"2", "C"}, {"3", "D"}}},
        // Editing the field at an index rewrites that field's row, whatever key the caller's
        // record carries.
        {[&] { layer.EditFieldInfo(1, d2, 1); }, {{"2", "C"}, {"3", "D2"}}},
        {[&] { layer.MoveFieldInfo(1, 0, 0); }, {{"2", "C"}, {"3", "D2"}}},  // not stored
        {[&] { layer.UpdateFieldInfoToDB(); }, {{"0", "D2"}, {"1", "C"}}},
    };
    for (const auto& [step, stored] : steps) {
        step();
        EXPECT_EQ(Rows("SELECT Sequence, FieldName FROM GH_FieldInfo ORDER BY Sequence"), stored);
    }

    CGISLayer copy(layer);  // loads its own set from the database
    EXPECT_EQ(copy.GetFieldInfo()->GetSize(), 2);
    EXPECT_NE(copy.GetFieldInfo(), layer.GetFieldInfo());
    copy.DeleteAllFieldInfo(1);
    EXPECT_EQ(Count("GH_FieldInfo"), 0);
}

}  // namespace
}  // namespace ghdb::test
