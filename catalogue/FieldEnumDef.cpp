#include "catalogue/FieldEnumDef.h"

#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

const ColumnTable<CFieldEnumDef>& WrittenColumns() {
    static const ColumnTable<CFieldEnumDef> columns = {
        {"EnumText", &CFieldEnumDef::EnumText},         {"EnumValue", &CFieldEnumDef::EnumValue},
        {"EnumType", &CFieldEnumDef::EnumType},         {"Sequence", &CFieldEnumDef::Sequence},
        {"EnumDescribe", &CFieldEnumDef::EnumDescribe},
    };
    return columns;
}

}  // namespace

void CFieldEnumDef::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumn(fields, "ID", ID);
    ReadColumns(fields, WrittenColumns(), *this);
}

void CFieldEnumDef::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, WrittenColumns(), *this);
}

int CBaseClassAccess::GetFieldEnumDefArray(long enumType,
                                           CArray<CFieldEnumDef, CFieldEnumDef&>& out) {
    const CString sql =
        enumType < 0
            ? CString("Select * from GHSJ_FieldEnumDef where 1 = 1 Order by EnumType, Sequence ")
            : FormatString("Select * from GHSJ_FieldEnumDef where EnumType = %d Order by Sequence",
                           enumType);
    CFieldEnumDef working;
    return static_cast<int>(db_.ReadAllAsValues(sql, working, out));
}

}  // namespace ghdb
