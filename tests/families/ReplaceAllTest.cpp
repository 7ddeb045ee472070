#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

// Replaces the rows by records whose key holds each of the values, in that order.
using Replace = std::function<long(CBaseClassAccess&, const std::vector<long>&)>;

// One replace-all operation: the rows it replaces are all of `table`, told apart by
// `keyColumn`; `deleteStatement` removes them; an empty array answers `statusWhenEmpty`.
struct ReplaceCase {
    const char* name;
    const char* table;
    const char* keyColumn;
    const char* deleteStatement;
    long statusWhenEmpty;
    Replace replace;
};

// Fills an array of T (records or pointers to new ones), `set` putting a key into each, and
// hands it to `edit`.
template <class T, class ARG = T&, class Set, class Edit>
Replace With(Set set, Edit edit) {
    return [set, edit](CBaseClassAccess& access, const std::vector<long>& keys) {
        CArray<T, ARG> records;
        for (long key : keys) {
            if constexpr (std::is_pointer_v<T>) {
                T record = new std::remove_pointer_t<T>;
                set(*record, key);
                records.Add(record);
            } else {
                T record{};
                set(record, key);
                records.Add(record);
            }
        }
        const long status = edit(access, records);
        if constexpr (std::is_pointer_v<T>) ReleaseArrayData(records, 0);
        return status;
    };
}

CString Key(long key) {
    return CString(std::to_string(key).c_str());
}

// The same, for an operation that takes just the array and a key held in one member.
template <class T, class ARG, class R, class M>
Replace Keyed(long (CBaseClassAccess::*edit)(CArray<T, ARG>&), M R::*key) {
    return With<T, ARG>(
        [key](R& record, long k) {
            if constexpr (std::is_same_v<M, CString>)
                record.*key = Key(k);
            else
                record.*key = k;
        },
        [edit](CBaseClassAccess& access, CArray<T, ARG>& all) { return (access.*edit)(all); });
}

const ReplaceCase kCases[] = {
    // Configuration
    {"ConfigItems", "GH_ConfigInfo", "ConfigItemName", "Delete FROM GH_ConfigInfo", 1,
     Keyed(&CBaseClassAccess::EditConfigItems, &_tagCONFIGITEM::ConfigItemName)},
    {"MainMenu", "GHSJ_MainMenu", "ItemID", "DELETE FROM GHSJ_MainMenu WHERE 1=1 ", 2,
     Keyed(&CBaseClassAccess::SetAllMainMenuItem, &CGHMainMenuItem::ItemID)},
    {"Specialty", "GHSJ_Specialty", "SpecialtyID", "DELETE FROM GHSJ_Specialty WHERE 1=1 ", 2,
     Keyed(&CBaseClassAccess::SetAllSpecialty, &CGHSpecialty::SpecialtyID)},
    {"LayerSpecialty", "GHSJ_GISLayerSpecialty", "LayerID",
     "DELETE FROM GHSJ_GISLayerSpecialty WHERE 1=1 ", 2,
     Keyed(&CBaseClassAccess::SetAllLayerSpecialty, &CGHLayerSpecialty::LayerID)},
    // Per layer every link is given the layer; per function each keeps its own.
    {"FunctionsOfLayer", "GHGIS_FunLayerConfig", "FunID",
     "Delete FROM GHGIS_FunLayerConfig WHERE LayerID= 12 ", 2,
     With<CGHGisFun, CGHGisFun>([](auto& r, long k) { r.FunID = k, r.LayerID = 8; },
                                [](auto& a, auto& all) { return a.SetGisLayerFun(12, all); })},
    {"LayersOfFunction", "GHGIS_FunLayerConfig", "LayerID",
     "Delete FROM GHGIS_FunLayerConfig WHERE FunID=5", 2,
     With<CGHGisFun, CGHGisFun>([](auto& r, long k) { r.FunID = 5, r.LayerID = k; },
                                [](auto& a, auto& all) { return a.SetFunGisLayer(5, all); })},
    {"MISInfoURL", "GH_MISInfoURL", "KeyName", "Delete FROM GH_MISInfoURL", 2,
     [](CBaseClassAccess& a, const std::vector<long>& keys) {
         CMISInfoURLSet urls;
         for (long k : keys) urls.AddNew({})->KeyName = Key(k);
         return a.EditAllMISInfoURL(urls);
     }},
    // Subjects
    {"SiteLocations", "GHGIS_SiteLocation", "LocationName", "Delete FROM GHGIS_SiteLocation", 2,
     Keyed(&CBaseClassAccess::EditSiteLocations, &CGISSiteLocation::LocationName)},
    {"SubjectLayers", "GHGIS_SubjectLayers", "LayerID",
     "DELETE FROM GHGIS_SubjectLayers WHERE (SubjectID = 7)", 1,
     With<long, long>([](long& r, long k) { r = k; },
                      [](auto& a, auto& all) { return a.SetSubjectLayers(7, all); })},
    {"SubjectsOfClass", "GHGIS_SubjectClass", "SubjectID",
     "DELETE FROM GHGIS_SubjectClass WHERE (SubjectType = 3)", 1,
     With<long, long>([](long& r, long k) { r = k; },
                      [](auto& a, auto& all) { return a.EditSubjectsOfClass(3, all); })},
    {"ApplyClass", "GHGIS_ApplyClass", "DataObjectID",
     "DELETE FROM GHGIS_ApplyClass WHERE (ApplyClassID = 1) AND (ApplyClassName = 'O''Neil''s')", 1,
     With<CGISApplyClassData>(
         [](auto& r, long k) {
             r.ApplyClassID = 1, r.ApplyClassName = "O'Neil's", r.DataObjectID = k;
         },
         [](auto& a, auto& all) {
             CGISApplyClass c;
             c.ApplyClassID = 1;
             c.ApplyClassName = "O'Neil's";
             c.ApplyClassData = all;
             return a.EditGISApplyClass(c);
         })},
    // Red-line settings and CAD resources
    {"RedLineFieldMap", "GHRL_FieldMap", "OAFieldName",
     "DELETE FROM GHRL_FieldMap WHERE (WorkFlowID = 'O''Flow')", 2,
     With<CGHRLFieldMap>([](auto& r, long k) { r.WorkFlowID = "O'Flow", r.OAFieldName = Key(k); },
                         [](auto& a, auto& all) { return a.EditRedLineFieldMap("O'Flow", all); })},
    {"FontStyles", "GH_FontConfig", "StyleName", "Delete FROM GH_FontConfig", 2,
     Keyed(&CBaseClassAccess::EditCADFontStyles, &CCADFontStyle::StyleName)},
    {"LineStylesOfFile", "GH_LineBlockConfig", "Name",
     "DELETE FROM GH_LineBlockConfig WHERE (Type = 1) AND (FileName = 'O''Neil.lin')", 2,
     With<CCADLineStyle>(
         [](auto& r, long k) { r.Name = Key(k), r.FileName = "O'Neil.lin"; },
         [](auto& a, auto& all) { return a.EditCADLineStylesOfFile("O'Neil.lin", all); })},
    {"BlockNamesOfFile", "GH_LineBlockConfig", "Name",
     "DELETE FROM GH_LineBlockConfig WHERE (Type = 2) AND (FileName = 'O''Neil.lin')", 2,
     With<CCADBlockName>(
         [](auto& r, long k) { r.Name = Key(k), r.FileName = "O'Neil.lin"; },
         [](auto& a, auto& all) { return a.EditCADBlockNamesOfFile("O'Neil.lin", all); })},
    {"BaseMapGroups", "GHCAD_FileGroup", "GroupID", "DELETE FROM GHCAD_FileGroup", 1,
     Keyed(&CBaseClassAccess::UpdateAllBaseMapGroup, &CKGBaseMap::GroupID)},
    {"SheetsOfGroup", "GHCAD_FileSpatial", "FileName",
     "DELETE FROM GHCAD_FileSpatial WHERE (SpatialIndexId = 9) ", 2,
     With<CKGMapWidthIndex*, CKGMapWidthIndex*&>(
         [](auto& r, long k) { r.SpatialIndexId = 9, r.FileName = Key(k); },
         [](auto& a, auto& all) { return a.UpdateKidsMapWidthIndex(9, all); })},
    {"SheetsOfCondition", "GHCAD_FileSpatial", "FileName",
     "DELETE FROM GHCAD_FileSpatial  WHERE (SpatialIndexId = 9)", 2,
     With<CKGMapWidthIndex*, CKGMapWidthIndex*&>(
         [](auto& r, long k) { r.SpatialIndexId = 9, r.FileName = Key(k); },
         [](auto& a, auto& all) {
             return a.UpdateKidsMapWidthIndex("WHERE (SpatialIndexId = 9)", all);
         })},
    // Road standards
    {"Meanings", "GHSJ_GHMeaningConfig", "MeaningID", "DELETE FROM GHSJ_GHMeaningConfig", 1,
     Keyed(&CBaseClassAccess::EditAllGHMeaning, &CGHMeaning::MeaningID)},
    {"RoadRadii", "GHSJ_RoadDefaultRadiusConfig", "RadiusID",
     "Delete FROM GHSJ_RoadDefaultRadiusConfig", 1,
     Keyed(&CBaseClassAccess::EditAllGHRoadRadius, &CGHRoadRadius::RadiusID)},
    {"RoadStandards", "GHSJ_RoadLayerConfig", "MLayerID", "DELETE FROM GHSJ_RoadLayerConfig", 1,
     Keyed(&CBaseClassAccess::EditAllGHRoadStandard, &CGHRoadStandard::MLayerID)},
    {"StandardBoards", "GHSJ_RoadStandardBoardConfig", "RoadStandardID",
     "Delete FROM GHSJ_RoadStandardBoardConfig", 2,
     Keyed(&CBaseClassAccess::EditAllGHRoadStandardBoard, &CGHRoadStandardBoard::RoadStandardID)},
    {"StandardRadii", "GHSJ_RoadStandardRadiusInfoConfig", "RoadStandardID",
     "Delete FROM GHSJ_RoadStandardRadiusInfoConfig", 2,
     Keyed(&CBaseClassAccess::EditAllGHRoadStandardRadius, &CGHRoadStandardRadius::RoadStandardID)},
    {"RoadBoards", "GHSJ_RoadBoardInfoConfig", "BoardID", "DELETE FROM GHSJ_RoadBoardInfoConfig", 1,
     Keyed(&CBaseClassAccess::EditAllGHRoadBoard, &CGHRoadBoard::BoardID)},
    {"RoadWays", "GHSJ_RoadWayConfig", "RoadWayID", "DELETE FROM GHSJ_RoadWayConfig", 1,
     Keyed(&CBaseClassAccess::EditAllGHRoadWay, &CGHRoadWay::RoadWayID)},
    {"BoardWays", "GHSJ_RoadBoardFieldConfig", "RoadWayID", "Delete FROM GHSJ_RoadBoardFieldConfig",
     2, Keyed(&CBaseClassAccess::EditAllGHRoadBoardWay, &CGHRoadBoardWay::RoadWayID)},
    {"BoardWayWidths", "GHSJ_RoadBoardParaConfig", "BoardID",
     "Delete FROM GHSJ_RoadBoardParaConfig", 2,
     Keyed(&CBaseClassAccess::EditAllGHRoadBoardWayWidth, &CGHRoadBoardWayWidth::BoardID)},
};

class ReplaceAllTest : public FamilyTest, public ::testing::WithParamInterface<ReplaceCase> {
protected:
    Table Keys() {
        const ReplaceCase& c = GetParam();
        return Rows(std::string("SELECT ") + c.keyColumn + " FROM " + c.table + " ORDER BY " +
                    c.keyColumn);
    }
};

TEST_P(ReplaceAllTest, ReplacesAllItsRowsOrNothing) {
    const ReplaceCase& c = GetParam();
    ASSERT_EQ(c.replace(*access, {1, 2}), 2);
    StatementLog& log = LogStatements();
    ASSERT_EQ(c.replace(*access, {4, 3}), 2);
    EXPECT_EQ(Keys(), (Table{{"3"}, {"4"}}));
    EXPECT_EQ(std::ranges::count(log.statements(), std::string(c.deleteStatement)), 1);
    EXPECT_TRUE(messages.messages().empty());

    // A row that cannot be stored leaves the old rows as they were.
    Exec(std::string("CREATE UNIQUE INDEX GHT_Unique ON ") + c.table + " (" + c.keyColumn + ")");
    EXPECT_EQ(c.replace(*access, {5, 5}), -1);
    EXPECT_EQ(Keys(), (Table{{"3"}, {"4"}}));
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");

    EXPECT_EQ(c.replace(*access, {}), c.statusWhenEmpty);
    EXPECT_EQ(Count(c.table), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, ReplaceAllTest, ::testing::ValuesIn(kCases),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace ghdb::test
