#include "support/TestRecords.h"

#include "schema/Ddl.h"

namespace ghdb::test {

namespace {

using schema::ColumnDef;
using schema::ColumnType;

constexpr ColumnDef kItemColumns[] = {
    {"ItemID", ColumnType::Int, 0, true},
    {"Name", ColumnType::Text, 50},
    {"Code", ColumnType::Int},
    {"Small", ColumnType::SmallInt},
    {"Ratio", ColumnType::Real},
    {"Weight", ColumnType::Double},
    {"Active", ColumnType::Bool},
    {"Flag", ColumnType::Bool},
};
constexpr ColumnDef kKeyedColumns[] = {
    {"ItemID", ColumnType::Int},     {"Name", ColumnType::Text, 50}, {"Code", ColumnType::Int},
    {"Small", ColumnType::SmallInt}, {"Ratio", ColumnType::Real},    {"Weight", ColumnType::Double},
    {"Active", ColumnType::Bool},    {"Flag", ColumnType::Bool},
};
constexpr ColumnDef kKidColumns[] = {
    {"KidID", ColumnType::Int, 0, true},
    {"MasterID", ColumnType::Int},
    {"Name", ColumnType::Text, 50},
};
const schema::TableDef kTables[] = {
    {"GHT_Item", kItemColumns, {}},
    {"GHT_Keyed", kKeyedColumns, {}},
    {"GHT_Kid", kKidColumns, {}},
};

}  // namespace

const ColumnTable<CTestItem>& CTestItem::Columns() {
    static const ColumnTable<CTestItem> columns = {
        {"ItemID", &CTestItem::ItemID, ColumnRole::Identity},
        {"Name", &CTestItem::Name},
        {"Code", &CTestItem::Code},
        {"Small", &CTestItem::Small},
        {"Ratio", &CTestItem::Ratio},
        {"Weight", &CTestItem::Weight},
        {"Active", &CTestItem::Active},
        {"Flag", &CTestItem::Flag},
    };
    return columns;
}

void CKeyedItem::WriteToFields(FieldsPtr& fields) {
    WriteColumn(fields, "ItemID", ItemID);
    CTestItem::WriteToFields(fields);
}

const ColumnTable<CTestMaster>& CTestMaster::Columns() {
    static const ColumnTable<CTestMaster> columns = {{"MasterID", &CTestMaster::MasterID}};
    return columns;
}

void CTestMaster::ReadKidFromFields(FieldsPtr& fields, _variant_t&) {
    CTestItem kid;
    ReadColumn(fields, "KidID", kid.ItemID);
    ReadColumn(fields, "Name", kid.Name);
    Kids.Add(kid);
}

void CTestMaster::WriteKidToFields(FieldsPtr& fields, int index) {
    WriteColumn(fields, "MasterID", MasterID);
    WriteColumn(fields, "Name", Kids[index].Name);
}

void CTestMaster::AfterKidUpdateNew(FieldsPtr& fields, int index) {
    ReadColumn(fields, "KidID", Kids[index].ItemID);
}

void CreateTestTables(Connection& connection) {
    for (const std::string& sql : schema::CreateStatements(connection.GetEngine(), kTables))
        connection.Execute(sql.c_str(), nullptr, adCmdText);
}

}  // namespace ghdb::test
