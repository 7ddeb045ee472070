#include <gtest/gtest.h>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

class MainMenuTest : public CatalogueTest {
protected:
    static CGHMainMenuItem Item(const char* code, long id, const char* name, bool popUp = false,
                                bool separator = false) {
        CGHMainMenuItem item;
        item.TreeCode = code;
        item.ItemID = id;
        item.ItemName = name;
        item.PopUp = popUp;
        item.Separator = separator;
        return item;
    }
};

TEST(MainMenuTree, CodesPlaceEntriesUnderTheirParents) {
    struct Case {
        const char* code;
        bool separator, popUp;
        const char* parentCode;
        int topLevel, popUpItem, command;
    };
    const Case cases[] = {
        {"0102", false, false, "010", 0, 0, 1}, {"01", false, true, "0", 0, 1, 0},
        {"0", false, true, "", 1, 1, 0},        {"", false, false, "", 1, 0, 1},
        {"0", true, false, "", 0, 0, 0},        {"03", true, true, "0", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        CGHMainMenuItem item;
        item.TreeCode = c.code;
        item.Separator = c.separator;
        item.PopUp = c.popUp;
        EXPECT_EQ(item.CodeOfPopUpMenuItem(), c.parentCode);
        EXPECT_EQ(item.IsTopLevelMenuName(), c.topLevel);
        EXPECT_EQ(item.IsPopUpMenuItem(), c.popUp && !c.separator ? 1 : 0);
        EXPECT_EQ(item.IsCommandItem(), c.command);
        EXPECT_EQ(item.IsSeparator(), c.separator ? 1 : 0);
    }
    CGHMainMenuItem parent, child;
    parent.TreeCode = "010";
    child.TreeCode = "0102";
    EXPECT_EQ(child.IsChildOf(parent), 1);
    EXPECT_EQ(parent.IsChildOf(child), 0);
    parent.TreeCode = "01";
    EXPECT_EQ(child.IsChildOf(parent), 0);

    const CGHMainMenuItem fresh;
    EXPECT_EQ(fresh.ItemID, -1);
    EXPECT_EQ(fresh.FunctionID, -1);
    EXPECT_FALSE(fresh.PopUp);
}

TEST_F(MainMenuTest, TheMenuIsReplacedWholeAndReadByEntryId) {
    Exec("INSERT INTO GHSJ_MainMenu (TreeCode, ItemName, ItemID) VALUES ('9', 'old', 99)");
    CArray<CGHMainMenuItem, CGHMainMenuItem&> menu;
    for (CGHMainMenuItem item :
         {Item("0", 3, "文件", true), Item("00", 1, "打开"), Item("01", 2, "", false, true)})
        menu.Add(item);
    menu[1].FunctionID = 17;
    menu[1].InfoTip = "open a drawing's file";
    StatementLog& log = LogStatements();
    EXPECT_EQ(access->SetAllMainMenuItem(menu), 2);
    EXPECT_EQ(log.statements(),
              (std::vector<std::string>{"DELETE FROM GHSJ_MainMenu WHERE 1=1 ",
                                        "SELECT * FROM GHSJ_MainMenu WHERE 1=1 "}));
    EXPECT_EQ(menu[0].RefDBClassAccess(), access);

    CAutoReleaseArray<CGHMainMenuItem*, CGHMainMenuItem*> stored;
    stored.Add(new CGHMainMenuItem);
    EXPECT_EQ(access->GetAllMainMenuItem(stored), 2);
    ASSERT_EQ(stored.GetSize(), 4);
    EXPECT_EQ(stored[1]->ItemName, "打开");
    EXPECT_EQ(stored[1]->FunctionID, 17);
    EXPECT_EQ(stored[1]->InfoTip, "open a drawing's file");
    EXPECT_EQ(stored[1]->IsChildOf(*stored[3]), 1);
    EXPECT_EQ(stored[2]->IsSeparator(), 1);
    EXPECT_EQ(stored[3]->IsPopUpMenuItem(), 1);

    CArray<CGHMainMenuItem, CGHMainMenuItem&> none;
    EXPECT_EQ(access->SetAllMainMenuItem(none), 2);
    EXPECT_EQ(Count("GHSJ_MainMenu"), 0);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MainMenuTest, SpecialtiesAndTheirLayersAreReplacedWhole) {
    CArray<CGHSpecialty, CGHSpecialty&> specialties;
    for (long id : {2L, 1L}) {
        CGHSpecialty specialty;
        specialty.SpecialtyID = id;
        specialty.SpecialtyName = id == 1 ? "道路" : "管线";
        specialty.SpecialtyMenu = id == 1 ? "menu1" : "menu2";
        specialties.Add(specialty);
    }
    EXPECT_EQ(access->SetAllSpecialty(specialties), 2);
    CAutoReleaseArray<CGHSpecialty*, CGHSpecialty*> stored;
    EXPECT_EQ(access->GetAllSpecialty(stored), 2);
    ASSERT_EQ(stored.GetSize(), 2);
    EXPECT_EQ(stored[0]->SpecialtyName, "道路");
    EXPECT_EQ(stored[1]->SpecialtyMenu, "menu2");

    CArray<CGHLayerSpecialty, CGHLayerSpecialty&> assignments;
    CGHLayerSpecialty assignment;
    EXPECT_EQ(assignment.LayerID, -1);
    assignment.LayerID = 12;
    assignment.SpecialtyID = 1;
    assignments.Add(assignment);
    EXPECT_EQ(access->SetAllLayerSpecialty(assignments), 2);
    assignments[0].LayerID = 13;
    EXPECT_EQ(access->SetAllLayerSpecialty(assignments), 2);
    CAutoReleaseArray<CGHLayerSpecialty*, CGHLayerSpecialty*> layers;
    EXPECT_EQ(access->GetAllLayerSpecialty(layers), 2);
    ASSERT_EQ(layers.GetSize(), 1);
    EXPECT_EQ(layers[0]->LayerID, 13);
    EXPECT_EQ(layers[0]->SpecialtyID, 1);
}

TEST_F(MainMenuTest, ReadsOfTheWholeListsFailWithoutAMessage) {
    Exec("DROP TABLE GHSJ_MainMenu");
    Exec("DROP TABLE GHSJ_Specialty");
    Exec("DROP TABLE GHSJ_GISLayerSpecialty");
    CAutoReleaseArray<CGHMainMenuItem*, CGHMainMenuItem*> menu;
    EXPECT_EQ(access->GetAllMainMenuItem(menu), -1);
    CAutoReleaseArray<CGHSpecialty*, CGHSpecialty*> specialties;
    EXPECT_EQ(access->GetAllSpecialty(specialties), -1);
    CAutoReleaseArray<CGHLayerSpecialty*, CGHLayerSpecialty*> layers;
    EXPECT_EQ(access->GetAllLayerSpecialty(layers), -1);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace ghdb::test
