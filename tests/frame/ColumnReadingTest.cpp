// Records read column by column: a one-pass read takes each column straight from the engine,
// and must fill every member exactly as the value that column reads as would; rows added are
// read back as the engine stored them.

#include <gtest/gtest.h>

#include <sstream>

#include "schema/Ddl.h"
#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

// Every member type, each reading columns of its own type and of others.
class CMixedRow : public CTableRecord<CMixedRow> {
public:
    long asLong = -1, asInt16 = -1, longFromText = -1, longFromReal = -1;
    short asShort = -1;
    float asFloat = -1, floatFromDouble = -1;
    double asDouble = -1, asSingle = -1, doubleFromInt = -1, doubleFromText = -1;
    BOOL flag = -1, flagFromReal = -1;
    bool boolFromInt = false, boolFromText = false;
    CString text = "-", textFromInt = "-", textFromReal = "-";
    _variant_t rawText, rawInt, bytes;

    static const ColumnTable<CMixedRow>& Columns() {
        static const ColumnTable<CMixedRow> columns = {
            {"I", &CMixedRow::asLong},
            {"I", &CMixedRow::asInt16, Stored::Int16},
            {"T", &CMixedRow::longFromText},
            {"D", &CMixedRow::longFromReal},
            {"S", &CMixedRow::asShort},
            {"R", &CMixedRow::asFloat},
            {"D", &CMixedRow::floatFromDouble},
            {"D", &CMixedRow::asDouble},
            {"D", &CMixedRow::asSingle, Stored::Single},
            {"I", &CMixedRow::doubleFromInt},
            {"T", &CMixedRow::doubleFromText},
            {"F", &CMixedRow::flag},
            {"D", &CMixedRow::flagFromReal},
            {"I", &CMixedRow::boolFromInt},
            {"T", &CMixedRow::boolFromText},
            {"T", &CMixedRow::text},
            {"I", &CMixedRow::textFromInt},
            {"D", &CMixedRow::textFromReal},
            {"T", &CMixedRow::rawText},
            {"I", &CMixedRow::rawInt},
            {"B", &CMixedRow::bytes},
            {"Missing", &CMixedRow::asLong},
        };
        return columns;
    }

    std::string Show() const {
        std::ostringstream out;
        out.precision(17);
        out << asLong << ' ' << asInt16 << ' ' << longFromText << ' ' << longFromReal << ' '
            << asShort << ' ' << asFloat << ' ' << floatFromDouble << ' ' << asDouble << ' '
            << asSingle << ' ' << doubleFromInt << ' ' << doubleFromText << ' ' << flag << ' '
            << flagFromReal << ' ' << boolFromInt << ' ' << boolFromText << " [" << text.str()
            << "] [" << textFromInt.str() << "] [" << textFromReal.str() << "] " << rawText.vt
            << ':' << rawText.str << ' ' << rawInt.vt << ':' << VariantToText(rawInt).value_or("")
            << ' ' << bytes.vt << ':' << bytes.str;
        return out.str();
    }
};

using schema::ColumnDef;
using schema::ColumnType;
constexpr ColumnDef kMixedColumns[] = {
    {"N", ColumnType::Int},      {"I", ColumnType::Int},    {"S", ColumnType::SmallInt},
    {"R", ColumnType::Real},     {"D", ColumnType::Double}, {"F", ColumnType::Bool},
    {"T", ColumnType::Text, 50}, {"B", ColumnType::Blob},
};
const schema::TableDef kMixed[] = {{"GHT_Mixed", kMixedColumns, {}}};

class ColumnReadingTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        connection = access->RefConnection();
        ASSERT_EQ(db.SetConnectionString(connectionString.c_str()), 0);
        for (const std::string& sql : schema::CreateStatements(connection->GetEngine(), kMixed))
            Exec(sql);
    }

    void Insert(int n, const std::string& values) {
        Exec("INSERT INTO GHT_Mixed (N, I, S, R, D, F, T) VALUES (" + std::to_string(n) + ", " +
             values + ")");
    }

    // Each row as read from the values of a static result.
    std::vector<std::string> ReadFromValues(const char* sql) {
        RecordsetPtr rs = Recordset::Create();
        rs->Open(sql, connection, adOpenStatic, adLockReadOnly, adCmdText);
        FieldsPtr fields = rs->GetFields();
        _variant_t scratch;
        std::vector<std::string> rows;
        for (; !rs->EndOfFile(); rs->MoveNext()) {
            CMixedRow row;
            row.ReadFromFields(fields, scratch);
            rows.push_back(row.Show());
        }
        return rows;
    }

    ConnectionPtr connection;
    CRecordAccess db{nullptr, CRecordAccess::UpdateFailure::Report};
};

TEST_F(ColumnReadingTest, AOnePassReadFillsMembersAsTheValuesWould) {
    Insert(1, "5, 7, 1.5, 2.25, 1, 'abc'");
    Insert(2, "NULL, NULL, NULL, NULL, NULL, NULL");
    // Text that reads as numbers, values that do not fit the member or its column, rounding.
    Insert(3, "70000, -32768, 1e30, 2.5, 0, ' 12 '");
    Insert(4, "-1, 32767, -0.5, 1e39, 1, '3.5'");
    Insert(5, "0, 0, 0, -2.5, 0, 'true'");
    if (OnSqlite()) {
        // The embedded engine keeps what it is given whatever the column's type.
        Insert(6, "5000000000, 'x', 'y', 'z', 2.5, 42");
        Insert(7, "2.75, 1.5, 40000, -7, '1', x'00ff'");
        Exec("UPDATE GHT_Mixed SET B = x'0102' WHERE N = 1");
    }
    const char* sql = "SELECT * FROM GHT_Mixed ORDER BY N";
    CAutoReleaseArray<CMixedRow*, CMixedRow*> rows;
    EXPECT_EQ(db.ReadAllAsNew(sql, rows, 1), 2);
    std::vector<std::string> onePass;
    for (const CMixedRow* row : rows) onePass.push_back(row->Show());
    EXPECT_EQ(onePass, ReadFromValues(sql));
    ASSERT_GE(onePass.size(), 5u);
    const CMixedRow& plain = *rows[0];
    EXPECT_EQ(plain.asLong, 5);
    EXPECT_EQ(plain.asShort, 7);
    EXPECT_FLOAT_EQ(plain.asFloat, 1.5f);
    EXPECT_EQ(plain.longFromReal, 2);  // half to even
    EXPECT_EQ(plain.text, "abc");
    EXPECT_EQ(plain.textFromInt, "5");
    EXPECT_EQ(plain.flag, 1);
    EXPECT_EQ(plain.longFromText, -1);  // "abc" is no number
    const CMixedRow& nulls = *rows[1];
    EXPECT_EQ(nulls.Show(), CMixedRow().Show());  // NULL leaves every member alone
    const CMixedRow& edges = *rows[2];
    EXPECT_EQ(edges.asLong, 70000);
    EXPECT_EQ(edges.asInt16, -1);  // does not fit a 2-byte column
    EXPECT_EQ(edges.longFromText, 12);
    EXPECT_DOUBLE_EQ(edges.doubleFromText, 12.0);
    EXPECT_EQ(rows[3]->floatFromDouble, -1);  // 1e39 is no float
    EXPECT_EQ(rows[4]->boolFromText, true);
    if (OnSqlite()) {
        EXPECT_EQ(rows[5]->asLong, -1);  // a 64-bit integer is no long
        EXPECT_DOUBLE_EQ(rows[5]->doubleFromInt, 5e9);
        EXPECT_EQ(rows[6]->asLong, 3);
        EXPECT_EQ(rows[6]->rawText.vt, VT_BLOB_BYTES);
        EXPECT_EQ(rows[6]->rawText.str, std::string("\0\xff", 2));
        EXPECT_EQ(rows[0]->bytes.str, "\x01\x02");
    }
}

// Rows added through a recordset are read back as stored: a column left out holds its default
// (or NULL), and a key the engine assigns is the new row's, also when the row is come back to.
TEST_F(ColumnReadingTest, AnAddedRowReadsAsStored) {
    if (!OnSqlite()) GTEST_SKIP() << "defaults and rowid keys of the embedded engine";
    Exec(
        "CREATE TABLE GHT_Defaults (ID INTEGER PRIMARY KEY, A INTEGER, B INTEGER DEFAULT 7, "
        "C TEXT)");
    Exec("INSERT INTO GHT_Defaults (ID, A) VALUES (40, 1)");
    RecordsetPtr rs = Recordset::Create();
    rs->Open("SELECT * FROM GHT_Defaults WHERE (1 = -1)", connection, adOpenKeyset,
             adLockOptimistic, adCmdText);
    FieldsPtr fields = rs->GetFields();
    const auto added = [&](const char* column) {
        return VariantToText(fields->GetItem(column)->GetValue()).value_or("<null>");
    };
    rs->AddNew();
    fields->GetItem("A")->PutValue(_variant_t(2));
    rs->Update();
    EXPECT_EQ(added("ID"), "41");
    EXPECT_EQ(added("B"), "7");
    EXPECT_TRUE(fields->GetItem("C")->GetValue().IsEmptyOrNull());

    // Every column given, the key as NULL: the engine assigns it.
    rs->AddNew();
    fields->GetItem("ID")->PutValue(_variant_t::Null());
    fields->GetItem("A")->PutValue(_variant_t(3));
    fields->GetItem("B")->PutValue(_variant_t(8));
    fields->GetItem("C")->PutValue(_variant_t("c"));
    rs->Update();
    EXPECT_EQ(added("ID"), "42");
    EXPECT_EQ(rs->GetRecordCount(), 2);
    rs->MoveFirst();
    EXPECT_EQ(added("ID"), "41");
    EXPECT_EQ(

        Rows("SELECT ID, A, B, C FROM GHT_Defaults ORDER BY ID"),
        (Table{{"40", "1", "7", "<null>"}, {"41", "2", "7", "<null>"}, {"42", "3", "8", "c"}}));
}

}  // namespace
}  // namespace ghdb::test
