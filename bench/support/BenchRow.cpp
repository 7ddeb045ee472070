#include "support/BenchRow.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "schema/Ddl.h"

namespace ghdb::bench {

namespace {

const ColumnTable<CBenchRow>& Columns() {
    static const ColumnTable<CBenchRow> columns = {
        {"T1", &CBenchRow::T1}, {"T2", &CBenchRow::T2}, {"T3", &CBenchRow::T3},
        {"T4", &CBenchRow::T4}, {"T5", &CBenchRow::T5}, {"T6", &CBenchRow::T6},
        {"L1", &CBenchRow::L1}, {"L2", &CBenchRow::L2}, {"L3", &CBenchRow::L3},
        {"L4", &CBenchRow::L4}, {"L5", &CBenchRow::L5}, {"L6", &CBenchRow::L6},
        {"L7", &CBenchRow::L7}, {"D1", &CBenchRow::D1}, {"D2", &CBenchRow::D2},
        {"D3", &CBenchRow::D3}, {"D4", &CBenchRow::D4}, {"B1", &CBenchRow::B1},
        {"B2", &CBenchRow::B2},
    };
    return columns;
}

using schema::ColumnDef;
using schema::ColumnType;
constexpr ColumnDef kColumns[] = {
    {"RowID", ColumnType::Int, 0, true},
    {"T1", ColumnType::Text, 50},
    {"T2", ColumnType::Text, 50},
    {"T3", ColumnType::Text, 255},
    {"T4", ColumnType::Text, 255},
    {"T5", ColumnType::Text, 255},
    {"T6", ColumnType::Text, 0},
    {"L1", ColumnType::Int},
    {"L2", ColumnType::Int},
    {"L3", ColumnType::Int},
    {"L4", ColumnType::Int},
    {"L5", ColumnType::Int},
    {"L6", ColumnType::Int},
    {"L7", ColumnType::Int},
    {"D1", ColumnType::Double},
    {"D2", ColumnType::Double},
    {"D3", ColumnType::Double},
    {"D4", ColumnType::Double},
    {"B1", ColumnType::Bool},
    {"B2", ColumnType::Bool},
};
const schema::TableDef kTable[] = {{"GHB_Row", kColumns, {}}};

}  // namespace

void CBenchRow::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumn(fields, "RowID", RowID);
    ReadColumns(fields, Columns(), *this);
}

void CBenchRow::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, Columns(), *this);
}

void CBenchRow::AfterUpdateNew(FieldsPtr& fields, _variant_t&) {
    ReadColumn(fields, "RowID", RowID);
}

CBenchRow CBenchRow::Sample(int i) {
    CBenchRow r;
    r.T1 = FormatString("Layer %d", i);
    r.T2 = "道路中心线";
    r.T3 = FormatString("GH_%06d", i);
    r.T4 = "Planning";
    r.T5 = "";
    r.T6 = "remark";
    r.L1 = i;
    r.L2 = i % 7;
    r.L3 = 3;
    r.L4 = -1;
    r.L5 = i * 2;
    r.L6 = 200;
    r.L7 = 0;
    r.D1 = i * 0.5;
    r.D2 = 1.25;
    r.D3 = 500.0;
    r.D4 = -3.75;
    r.B1 = i % 2;
    r.B2 = TRUE;
    return r;
}

CArray<CBenchRow, CBenchRow&> SampleRows(int rows) {
    CArray<CBenchRow, CBenchRow&> values;
    for (int i = 0; i < rows; ++i) {
        CBenchRow r = CBenchRow::Sample(i);
        values.Add(r);
    }
    return values;
}

std::string MakeBenchDatabase(int rows) {
    const std::string file =
        (std::filesystem::temp_directory_path() /
         ("ghdb-bench-" + std::to_string(getpid()) + "-" + std::to_string(rows) + ".db"))
            .string();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file + suffix);
    const std::string connection = "Provider=SQLite;Data Source=" + file;
    ConnectionPtr c = Connection::Create();
    c->OpenCreating(connection.c_str());
    c->Close();
    FillBenchTable(connection, rows);
    return connection;
}

void FillBenchTable(const std::string& connection, int rows) {
    ConnectionPtr c = Connection::Create();
    c->Open(connection.c_str());
    c->Execute("DROP TABLE IF EXISTS GHB_Row", nullptr, adCmdText);
    for (const std::string& sql : schema::CreateStatements(c->GetEngine(), kTable))
        c->Execute(sql.c_str(), nullptr, adCmdText);
    CRecordAccess ops(nullptr, CRecordAccess::UpdateFailure::Report);
    ops.SetConnectionString(connection.c_str());
    CArray<CBenchRow, CBenchRow&> values = SampleRows(rows);
    if (ops.AddAllFromValues("SELECT * FROM GHB_Row WHERE (1 = -1)", values) != 2)
        throw std::runtime_error("could not fill the benchmark table");
}

sqlite3* OpenDirect(const std::string& connection) {
    const std::string file = connection.substr(connection.find("Data Source=") + 12);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + file);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;", nullptr, nullptr,
                 nullptr);
    return db;
}

}  // namespace ghdb::bench
