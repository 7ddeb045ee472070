#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// An entry of the hosts' main menu (GHSJ_MainMenu). Its tree code places it in the menu: one
// character per level, a child's code being its parent's code with one more character.
class CGHMainMenuItem : public CTableRecord<CGHMainMenuItem> {
public:
    static const ColumnTable<CGHMainMenuItem>& Columns();

    CString TreeCode;
    bool Separator = false;
    CString ItemName;
    bool PopUp = false;
    long ItemID = -1;
    // The function (GHSJ_GHFunTypeDef.FUNID) the entry runs.
    long FunctionID = -1;
    CString InfoTip;
    CString Remark;
    CString Reserve;

    int IsSeparator() const { return Separator ? 1 : 0; }
    int IsPopUpMenuItem() const { return !Separator && PopUp ? 1 : 0; }
    int IsCommandItem() const { return !Separator && !PopUp ? 1 : 0; }
    // The parent's tree code: this code without its last character (empty for one character).
    CString CodeOfPopUpMenuItem() const;
    // Whether this entry's parent code is `parent`'s tree code exactly (case counts).
    int IsChildOf(const CGHMainMenuItem& parent) const;
    // A non-separator entry whose code has at most one character.
    int IsTopLevelMenuName() const;
};

}  // namespace ghdb
