#include <functional>

#include "config/ConfigFixture.h"

namespace ghdb::test {
namespace {

class ReplaceAllTest : public ConfigTest {};

// Two equal elements, so that a unique index refuses the second.
template <class T, class ARG>
CArray<T, ARG> Twice(T value) {
    CArray<T, ARG> array;
    array.Add(value);
    array.Add(value);
    return array;
}

struct ReplaceCase {
    const char* table;
    const char* uniqueColumns;
    const char* oldRow;
    std::function<long(CBaseClassAccess&)> replace;
};

TEST_F(ReplaceAllTest, AFailedRowLeavesTheReplacedRowsAsTheyWere) {
    const ReplaceCase cases[] = {
        {"GH_ConfigInfo", "ConfigItemName", "(ConfigItemName) VALUES ('kept')",
         [](CBaseClassAccess& a) {
             auto items = Twice<_tagCONFIGITEM, _tagCONFIGITEM&>({"X", "", ""});
             return a.EditConfigItems(items);
         }},
        {"GHSJ_MainMenu", "ItemID", "(ItemID) VALUES (99)",
         [](CBaseClassAccess& a) {
             auto items = Twice<CGHMainMenuItem, CGHMainMenuItem&>({});
             return a.SetAllMainMenuItem(items);
         }},
        {"GHSJ_Specialty", "SpecialtyID", "(SpecialtyID) VALUES (99)",
         [](CBaseClassAccess& a) {
             auto items = Twice<CGHSpecialty, CGHSpecialty&>({});
             return a.SetAllSpecialty(items);
         }},
        {"GHSJ_GISLayerSpecialty", "LayerID", "(LayerID) VALUES (99)",
         [](CBaseClassAccess& a) {
             auto items = Twice<CGHLayerSpecialty, CGHLayerSpecialty&>({});
             return a.SetAllLayerSpecialty(items);
         }},
        {"GHGIS_FunLayerConfig", "FunID, LayerID", "(FunID, LayerID) VALUES (1, 12)",
         [](CBaseClassAccess& a) {
             auto links = Twice<CGHGisFun, CGHGisFun>({});
             links[1].LayerID = 8;  // both become the layer's
             return a.SetGisLayerFun(12, links);
         }},
        {"GHGIS_FunLayerConfig", "FunID, LayerID", "(FunID, LayerID) VALUES (-1, 30)",
         [](CBaseClassAccess& a) {
             auto links = Twice<CGHGisFun, CGHGisFun>({});
             return a.SetFunGisLayer(-1, links);
         }},
        {"GH_MISInfoURL", "KeyName", "(KeyName) VALUES ('kept')",
         [](CBaseClassAccess& a) {
             CMISInfoURLSet urls;
             urls.AddNew({});
             urls.AddNew({});
             return a.EditAllMISInfoURL(urls);
         }},
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(c.table);
        Exec(std::string("DELETE FROM ") + c.table);
        Exec(std::string("INSERT INTO ") + c.table + " " + c.oldRow);
        Exec(std::string("CREATE UNIQUE INDEX GHT_Unique ON ") + c.table + " (" + c.uniqueColumns +
             ")");
        messages.clear();
        EXPECT_EQ(c.replace(*access), -1);
        EXPECT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(Count(c.table), 1);
        Exec("DROP INDEX GHT_Unique");
    }
}

}  // namespace
}  // namespace ghdb::test
