#include "catalogue/FieldEnumDef.h"

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CFieldEnumDef>& CFieldEnumDef::Columns() {
    static const ColumnTable<CFieldEnumDef> columns = {
        {"ID", &CFieldEnumDef::ID, ColumnRole::Identity},
        {"EnumText", &CFieldEnumDef::EnumText},
        {"EnumValue", &CFieldEnumDef::EnumValue},
        {"EnumType", &CFieldEnumDef::EnumType},
        {"Sequence", &CFieldEnumDef::Sequence},
        {"EnumDescribe", &CFieldEnumDef::EnumDescribe},
    };
    return columns;
}

int CBaseClassAccess::GetFieldEnumDefArray(long enumType,
                                           CArray<CFieldEnumDef, CFieldEnumDef&>& out) {
    const CString sql =
        enumType < 0
            ? CString("Select * from GHSJ_FieldEnumDef where 1 = 1 Order by EnumType, Sequence ")
            : FormatSql("Select * from GHSJ_FieldEnumDef where EnumType = %d Order by Sequence",
                        enumType);
    CFieldEnumDef working;
    return static_cast<int>(db_.ReadAllAsValues(sql, working, out));
}

}  // namespace ghdb
