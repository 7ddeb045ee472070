#include "config/MainMenu.h"

#include "frame/BaseClassAccess.h"

namespace ghdb {

const ColumnTable<CGHMainMenuItem>& CGHMainMenuItem::Columns() {
    static const ColumnTable<CGHMainMenuItem> columns = {
        {"TreeCode", &CGHMainMenuItem::TreeCode}, {"Separator", &CGHMainMenuItem::Separator},
        {"ItemName", &CGHMainMenuItem::ItemName}, {"PopUp", &CGHMainMenuItem::PopUp},
        {"ItemID", &CGHMainMenuItem::ItemID},     {"FunctionID", &CGHMainMenuItem::FunctionID},
        {"InfoTip", &CGHMainMenuItem::InfoTip},   {"Remark", &CGHMainMenuItem::Remark},
        {"Reserve", &CGHMainMenuItem::Reserve},
    };
    return columns;
}

CString CGHMainMenuItem::CodeOfPopUpMenuItem() const {
    const int length = TreeCode.GetLength();
    return length > 1 ? TreeCode.Left(length - 1) : CString();
}

int CGHMainMenuItem::IsChildOf(const CGHMainMenuItem& parent) const {
    return CodeOfPopUpMenuItem() == parent.TreeCode ? 1 : 0;
}

int CGHMainMenuItem::IsTopLevelMenuName() const {
    return !Separator && CodeOfPopUpMenuItem().IsEmpty() ? 1 : 0;
}

long CBaseClassAccess::GetAllMainMenuItem(CArray<CGHMainMenuItem*, CGHMainMenuItem*>& items) {
    return db_.ReadAllAsNew("SELECT * FROM GHSJ_MainMenu order by ItemID", items, 0);
}

long CBaseClassAccess::SetAllMainMenuItem(CArray<CGHMainMenuItem, CGHMainMenuItem&>& items) {
    return db_.ReplaceAll("DELETE FROM GHSJ_MainMenu WHERE 1=1 ",
                          "SELECT * FROM GHSJ_MainMenu WHERE 1=1 ", items);
}

}  // namespace ghdb
