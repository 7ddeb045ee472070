#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

class MenuAndFunctionTest : public FamilyTest {
protected:
    Table Links() {
        return Rows("SELECT FunID, LayerID FROM GHGIS_FunLayerConfig ORDER BY FunID, LayerID");
    }
};

CGHGisFun GisFun(long funId, long layerId) {
    CGHGisFun link;
    link.FunID = funId;
    link.LayerID = layerId;
    return link;
}

TEST(MainMenuTree, CodesPlaceEntriesUnderTheirParents) {
    struct Case {
        const char* code;
        bool separator, popUp;
        const char* parentCode;
        int topLevel, popUpItem, command;
    };
    for (const Case& c :
         {Case{"0102", false, false, "010", 0, 0, 1}, Case{"01", false, true, "0", 0, 1, 0},
          Case{"0", false, true, "", 1, 1, 0}, Case{"0", true, false, "", 0, 0, 0},
          Case{"03", true, true, "0", 0, 0, 0}}) {
        SCOPED_TRACE(c.code);
        CGHMainMenuItem item;
        item.TreeCode = c.code;
        item.Separator = c.separator;
        item.PopUp = c.popUp;
        EXPECT_EQ(item.CodeOfPopUpMenuItem(), c.parentCode);
        EXPECT_EQ(item.IsTopLevelMenuName(), c.topLevel);
        EXPECT_EQ(item.IsPopUpMenuItem(), c.popUpItem);
        EXPECT_EQ(item.IsCommandItem(), c.command);
    }
    CGHMainMenuItem parent, child;
    parent.TreeCode = "010";
    child.TreeCode = "0102";
    EXPECT_EQ(child.IsChildOf(parent), 1);
    EXPECT_EQ(parent.IsChildOf(child), 0);
}

TEST_F(MenuAndFunctionTest, MenuAndSpecialtiesAreReadInIdOrder) {
    CArray<CGHMainMenuItem, CGHMainMenuItem&> menu;
    menu.SetSize(3);
    for (int i = 0; i < 3; ++i) {
        menu[i].TreeCode = menu[i].ItemName = i == 0 ? "0" : i == 1 ? "00" : "01";
        menu[i].ItemID = 3 - i;
    }
    menu[0].PopUp = true;
    StatementLog& log = LogStatements();
    EXPECT_EQ(access->SetAllMainMenuItem(menu), 2);
    EXPECT_EQ(log.statements(),
              (std::vector<std::string>{"DELETE FROM GHSJ_MainMenu WHERE 1=1 ",
                                        "SELECT * FROM GHSJ_MainMenu WHERE 1=1 "}));
    CAutoReleaseArray<CGHMainMenuItem*, CGHMainMenuItem*> stored;
    EXPECT_EQ(access->GetAllMainMenuItem(stored), 2);
    ASSERT_EQ(stored.GetSize(), 3);
    EXPECT_EQ(stored[0]->ItemName, "01");
    EXPECT_EQ(stored[1]->IsChildOf(*stored[2]), 1);
    EXPECT_EQ(stored[2]->IsPopUpMenuItem(), 1);

    CArray<CGHSpecialty, CGHSpecialty&> specialties;
    specialties.SetSize(2);
    specialties[0].SpecialtyID = 2;
    specialties[1].SpecialtyID = 1;
    specialties[1].SpecialtyName = "道路";
    EXPECT_EQ(access->SetAllSpecialty(specialties), 2);
    CAutoReleaseArray<CGHSpecialty*, CGHSpecialty*> storedSpecialties;
    EXPECT_EQ(access->GetAllSpecialty(storedSpecialties), 2);
    EXPECT_EQ(
        Each(storedSpecialties, [](auto* s) { return Row(s->SpecialtyID, s->SpecialtyName); }),
        (Table{{"1", "道路"}, {"2", ""}}));

    // The whole-list reads fail without a message.
    Exec("DROP TABLE GHSJ_MainMenu");
    EXPECT_EQ(access->GetAllMainMenuItem(stored), -1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST(FunTypeDefRecord, CopiesCarryTheColumnsAndNotTheCollectedAssignments) {
    const CGHFunTypeDef fresh;
    EXPECT_EQ(std::vector<long>({fresh.FUNID, fresh.Type, fresh.Sequence, fresh.GISLayerType}),
              std::vector<long>({-1, 1, 0, -1}));
    CGHFunTypeDef fun(7, "画线", "LINE", "GHLINE", "ghdraw.arx", "CAD", 3, 9);
    fun.GISLayerType = 2;
    fun.IsMultiLayer = true;
    for (long layer : {12L, 12L, 13L}) fun.Add(GisFun(7, layer));
    EXPECT_EQ(fun.GisFunArr.GetSize(), 2);
    CGHWorkType workType;
    workType.LevelID = 1;
    fun.Add(workType);
    workType.WorkTypeId = 9;  // not compared
    fun.Add(workType);
    EXPECT_EQ(fun.WorkTypeArr.GetSize(), 1);

    const CGHFunTypeDef copy(fun);
    CGHFunTypeDef assigned;
    assigned.Add(GisFun(1, 1));
    assigned = fun;
    for (const CGHFunTypeDef* f : {&copy, static_cast<const CGHFunTypeDef*>(&assigned)}) {
        EXPECT_EQ(f->ArxName, "ghdraw.arx");
        EXPECT_EQ(std::vector<long>({f->FUNID, f->Type, f->Sequence, f->GISLayerType}),
                  std::vector<long>({7, 3, 9, 2}));
        EXPECT_TRUE(f->IsMultiLayer);
        EXPECT_EQ(f->GisFunArr.GetSize() + f->WorkTypeArr.GetSize(), 0);
    }
    EXPECT_EQ(fun.GetSpecialty(), 4);
    const char* names[] = {"其它", "通用", "用地", "道路", "管线", "其它"};
    for (int code = -1; code < 5; ++code)
        EXPECT_EQ(CGHFunTypeDef::GetNameOfSpecialty(code), names[code + 1]);
}

TEST_F(MenuAndFunctionTest, FunctionsAreReadByIdAndByLayer) {
    Insert("GHSJ_GHFunTypeDef (FUNID, Name, Type, IsMultiLayer, GISLayerType)",
           {"8, 'second', 2, 1, NULL", "3, 'first', 2, 0, 4"});
    Insert("GHGIS_FunLayerConfig (FunID, LayerID)", {"8, 12", "3, 13"});
    InsertLayer(12, "ROAD");
    const auto show = [](auto* f) {
        return Row(f->Name, f->GISLayerType, f->IsMultiLayer ? 1 : 0);
    };
    CAutoReleaseArray<CGHFunTypeDef*, CGHFunTypeDef*> all, ofLayer;
    EXPECT_EQ(access->GetAllFunTypeDef(all), 2);
    EXPECT_EQ(Each(all, show), (Table{{"first", "4", "0"}, {"second", "-1", "1"}}));
    EXPECT_EQ(access->GetGisLayerFun(12, ofLayer), 2);
    EXPECT_EQ(Each(ofLayer, show), (Table{{"second", "-1", "1"}}));
    CAutoReleaseArray<CGISLayer*, CGISLayer*> layers;
    EXPECT_EQ(access->GetGISLayerByFunID(8, layers), 2);
    EXPECT_EQ(Each(layers, [](auto* l) { return Text(l->LayerName); }),
              std::vector<std::string>{"ROAD"});
}

TEST_F(MenuAndFunctionTest, AssignmentsAreReplacedPerLayerAndPerFunction) {
    Insert("GHGIS_FunLayerConfig (FunID, LayerID)", {"1, 12", "2, 12", "5, 30"});
    CArray<CGHGisFun, CGHGisFun> links;
    links.Add(GisFun(1, 1));
    EXPECT_EQ(access->GetGisLayerFun(40, links), 1);
    EXPECT_EQ(links.GetSize(), 1);
    // Per layer, every element is given the layer, in the caller's array too (read below).
    links.Add(GisFun(3, 7));
    EXPECT_EQ(access->SetGisLayerFun(12, links), 2);
    EXPECT_EQ(Links(), (Table{{"1", "12"}, {"3", "12"}, {"5", "30"}}));
    // Per function, the elements keep their own function ids.
    CArray<CGHGisFun, CGHGisFun> ofFunction;
    ofFunction.Add(GisFun(6, 31));
    EXPECT_EQ(access->SetFunGisLayer(5, ofFunction), 2);
    EXPECT_EQ(Links(), (Table{{"1", "12"}, {"3", "12"}, {"6", "31"}}));
    EXPECT_EQ(access->GetFunGisLayer(6, links), 2);
    EXPECT_EQ(Each(links, [](auto& l) { return Row(l.FunID, l.LayerID); }),
              (Table{{"1", "12"}, {"3", "12"}, {"6", "31"}}));

    // A removed layer's assignments go silently.
    EXPECT_EQ(access->DelFunLayerByLayerID(12), 2);
    EXPECT_EQ(Links(), (Table{{"6", "31"}}));
    Exec("DROP TABLE GHGIS_FunLayerConfig");
    EXPECT_EQ(access->DelFunLayerByLayerID(13), -1);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
