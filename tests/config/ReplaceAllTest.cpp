#include <gtest/gtest.h>

#include <functional>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

// Every operation that replaces a whole list, made to fail at its second row by a unique index:
// the rows it replaces must all be back.
struct ReplaceCase {
    const char* name;
    const char* table;
    const char* uniqueColumns;
    const char* oldRow;
    std::function<long(CBaseClassAccess&)> replace;
};

class ReplaceAllTest : public DatabaseTest {};

template <class T, class ARG>
CArray<T, ARG> Twice(T value) {
    CArray<T, ARG> array;
    array.Add(value);
    array.Add(value);
    return array;
}

const std::vector<ReplaceCase>& Cases() {
    static const std::vector<ReplaceCase> cases = {
        {"EditConfigItems", "GH_ConfigInfo", "ConfigItemName",
         "(ConfigItemName, ConfigItemValue) VALUES ('kept', 'v')",
         [](CBaseClassAccess& a) {
             auto items = Twice<_tagCONFIGITEM, _tagCONFIGITEM&>({"X", "1", ""});
             return a.EditConfigItems(items);
         }},
        {"SetAllMainMenuItem", "GHSJ_MainMenu", "ItemID", "(ItemID, ItemName) VALUES (99, 'kept')",
         [](CBaseClassAccess& a) {
             CGHMainMenuItem item;
             item.ItemID = 1;
             auto items = Twice<CGHMainMenuItem, CGHMainMenuItem&>(item);
             return a.SetAllMainMenuItem(items);
         }},
        {"SetAllSpecialty", "GHSJ_Specialty", "SpecialtyID", "(SpecialtyID) VALUES (99)",
         [](CBaseClassAccess& a) {
             CGHSpecialty specialty;
             specialty.SpecialtyID = 1;
             auto items = Twice<CGHSpecialty, CGHSpecialty&>(specialty);
             return a.SetAllSpecialty(items);
         }},
        {"SetAllLayerSpecialty", "GHSJ_GISLayerSpecialty", "LayerID, SpecialtyID",
         "(LayerID, SpecialtyID) VALUES (99, 1)",
         [](CBaseClassAccess& a) {
             CGHLayerSpecialty assignment;
             assignment.LayerID = 1;
             auto items = Twice<CGHLayerSpecialty, CGHLayerSpecialty&>(assignment);
             return a.SetAllLayerSpecialty(items);
         }},
        {"SetGisLayerFun", "GHGIS_FunLayerConfig", "FunID, LayerID",
         "(FunID, LayerID) VALUES (1, 12)",
         [](CBaseClassAccess& a) {
             CGHGisFun link;
             link.FunID = 2;
             link.LayerID = 7;
             auto links = Twice<CGHGisFun, CGHGisFun>(link);
             links[1].LayerID = 8;  // both become layer 12's
             return a.SetGisLayerFun(12, links);
         }},
        {"SetFunGisLayer", "GHGIS_FunLayerConfig", "FunID, LayerID",
         "(FunID, LayerID) VALUES (5, 30)",
         [](CBaseClassAccess& a) {
             CGHGisFun link;
             link.FunID = 5;
             link.LayerID = 31;
             auto links = Twice<CGHGisFun, CGHGisFun>(link);
             return a.SetFunGisLayer(5, links);
         }},
        {"EditAllMISInfoURL", "GH_MISInfoURL", "KeyName", "(KeyName) VALUES ('kept')",
         [](CBaseClassAccess& a) {
             CMISInfoURLSet urls;
             CMISInfoURL url;
             url.KeyName = "k";
             urls.AddNew(url);
             urls.AddNew(url);
             return a.EditAllMISInfoURL(urls);
         }},
    };
    return cases;
}

TEST_F(ReplaceAllTest, AFailedRowLeavesTheReplacedRowsAsTheyWere) {
    for (const ReplaceCase& c : Cases()) {
        SCOPED_TRACE(c.name);
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
