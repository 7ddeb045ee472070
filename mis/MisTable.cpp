#include "mis/MisTable.h"

#include "frame/Statement.h"
#include "mis/MisDBAccess.h"

namespace ghdb {

const ColumnTable<CMISTable>& CMISTable::Columns() {
    static const ColumnTable<CMISTable> columns = {
        {"tablename", &CMISTable::tablename},
        {"TableAlias", &CMISTable::TableAlias},
    };
    return columns;
}

const ColumnTable<CMISField>& CMISField::Columns() {
    using R = CMISField;
    static const ColumnTable<R> columns = {
        {"ColumnName", &R::ColumnName}, {"ColumnAlias", &R::ColumnAlias},
        {"DataType", &R::DataType},     {"Length", &R::Length},
        {"Precision", &R::Precision},   {"DefaultValue", &R::DefaultValue},
        {"AllowNull", &R::AllowNull},   {"IsSys", &R::IsSys},
        {"Squence", &R::Squence},       {"IsPrimaryKey", &R::IsPrimaryKey},
    };
    return columns;
}

void CMISField::ReadFromFields(FieldsPtr& fields, _variant_t& scratch) {
    if (!NamesOnly) {
        CTableRecord::ReadFromFields(fields, scratch);
        return;
    }
    ReadColumn(fields, "ColumnName", ColumnName);
    ReadColumn(fields, "ColumnAlias", ColumnAlias);
}

long CMisDBAccess::GetAllTablesInFlow(CString flowId, CArray<CMISTable, CMISTable&>& out,
                                      int source) {
    const char* const statement =
        source == 0 ? "SELECT TableAlias, tablename FROM s_dicttables WHERE tablename IN (SELECT "
                      "DISTINCT tablename\tFROM S_Form_Columns WHERE formid IN (SELECT DISTINCT "
                      "formid FROM s_flowPhase_form WHERE flowid = '%s'))"
                    : "SELECT DISTINCT tabname as TableAlias, tabname as tablename FROM "
                      "MWFLENUMTABS WHERE workflow='%s'";
    CMISTable working;
    return db_.ReadAllAsValues(FormatSql(statement, Quoted(flowId)), working, out);
}

long CMisDBAccess::GetAllFieldsInTable(CString tableName, CArray<CMISField, CMISField&>& out,
                                       int source) {
    const char* const statement =
        source == 0 ? "SELECT * FROM S_DictColumns WHERE (TableName = '%s')"
                    : "SELECT distinct colname as ColumnName, colname as ColumnAlias FROM "
                      "MWFLENUMTABS WHERE (tabname = '%s')";
    CMISField working;
    return db_.ReadAllAsValues(FormatSql(statement, Quoted(tableName)), working, out);
}

}  // namespace ghdb
