// The table definitions of both databases and the statements that create them on each engine.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "schema/Ddl.h"
#include "support/Text.h"

namespace ghdb::schema {
namespace {

using test::Lower;

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string DatabaseName(const testing::TestParamInfo<Database>& info) {
    return info.param == Database::Config ? "Config" : "Mis";
}

// The names in an index's column list.
std::vector<std::string> IndexColumns(const IndexDef& index) {
    std::vector<std::string> names(1);
    for (char c : std::string_view(index.columns)) {
        if (c == ',')
            names.emplace_back();
        else if (c != ' ')
            names.back() += c;
    }
    return names;
}

// Bytes an index key takes in the most restrictive engine (SQL Server: 900 bytes); unbounded
// text and blobs cannot be keys there at all.
int KeyBytes(const ColumnDef& column) {
    static const std::map<ColumnType, int> fixed = {
        {ColumnType::Bool, 1}, {ColumnType::SmallInt, 2}, {ColumnType::Int, 4},
        {ColumnType::Real, 4}, {ColumnType::Double, 8},   {ColumnType::DateTime, 8}};
    if (column.type == ColumnType::Text) return column.size > 0 ? column.size : 100000;
    return fixed.contains(column.type) ? fixed.at(column.type) : 100000;
}

class EveryDatabase : public ::testing::TestWithParam<Database> {};

TEST_P(EveryDatabase, NamesAreUniqueAndIndexesNameExistingColumns) {
    std::set<std::string> tableNames;
    for (const TableDef& table : Tables(GetParam())) {
        SCOPED_TRACE(table.name);
        EXPECT_TRUE(tableNames.insert(Lower(table.name)).second) << "table listed twice";
        ASSERT_FALSE(table.columns.empty());

        std::set<std::string> columnNames;
        int identities = 0;
        for (const ColumnDef& column : table.columns) {
            EXPECT_TRUE(columnNames.insert(Lower(column.name)).second) << column.name;
            identities += column.identity;
            EXPECT_TRUE(!column.identity || column.type == ColumnType::Int) << column.name;
            EXPECT_TRUE(column.type == ColumnType::Text || column.size == 0) << column.name;
        }
        EXPECT_LE(identities, 1);

        for (const IndexDef& index : table.indexes) {
            int keyBytes = 0;
            for (const std::string& name : IndexColumns(index)) {
                const auto column = std::ranges::find_if(table.columns, [&](const ColumnDef& c) {
                    return Lower(c.name) == Lower(name);
                });
                ASSERT_NE(column, table.columns.end()) << index.columns;
                keyBytes += KeyBytes(*column);
            }
            EXPECT_LE(keyBytes, 900) << index.columns;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Schema, EveryDatabase, ::testing::Values(Database::Config, Database::Mis),
                         DatabaseName);

// Only keys that the library reads back instead of writing are identities: an identity on an
// application-written key would refuse the library's value or renumber referenced rows. Index
// names fit PostgreSQL identifiers and stay distinct, however long the table's name.
TEST(SchemaTables, IdentitiesAreTheKeysTheLibraryReadsBackAndIndexNamesFitAndDiffer) {
    std::set<std::string> identities, names;
    for (const Database db : {Database::Config, Database::Mis}) {
        for (const TableDef& table : Tables(db)) {
            for (const ColumnDef& column : table.columns) {
                if (column.identity) identities.insert(std::string(table.name) + "." + column.name);
            }
            for (const IndexDef& index : table.indexes) {
                const std::string name = IndexName(table, index);
                EXPECT_LE(name.size(), 63u) << name;
                EXPECT_TRUE(names.insert(Lower(name)).second) << name;
            }
        }
    }
    const std::set<std::string> expected = {
        "GHGIS_SpacialDBInfo.DBID", "GHGIS_LayerGroup.LayerGroupID", "GH_FieldsRelConfig.FID",
        "GHSJ_FieldEnumDef.ID", "GHSJ_RoadCornerOfCrossConfig.ID"};
    EXPECT_EQ(identities, expected);

    constexpr TableDef longTable{"GHSJ_AVeryLongTableNameThatLeavesNoRoomForColumns", {}, {}};
    const std::string first = IndexName(longTable, {"FirstColumnName, SecondColumnName"});
    const std::string second = IndexName(longTable, {"FirstColumnName, OtherColumnName"});
    EXPECT_LE(first.size(), 63u);
    EXPECT_TRUE(first.starts_with("IX_GHSJ_AVeryLongTableName"));
    EXPECT_NE(first, second);
    EXPECT_EQ(first, IndexName(longTable, {"FirstColumnName, SecondColumnName"}));
}

class SqliteDb {
public:
    SqliteDb() { sqlite3_open(":memory:", &db_); }
    ~SqliteDb() { sqlite3_close(db_); }
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Runs a statement; returns the engine's error text, empty on success. The first column of
    // each row goes to `rows`.
    std::string Exec(const std::string& sql, std::vector<std::string>* rows = nullptr) {
        char* message = nullptr;
        const int rc = sqlite3_exec(db_, sql.c_str(), rows ? &Collect : nullptr, rows, &message);
        std::string text = rc == SQLITE_OK ? "" : message ? message : "error";
        sqlite3_free(message);
        return text;
    }
    std::vector<std::string> Rows(const std::string& sql) {
        std::vector<std::string> rows;
        EXPECT_EQ(Exec(sql, &rows), "") << sql;
        return rows;
    }
    void Create(const std::vector<std::string>& statements) {
        for (const std::string& statement : statements) ASSERT_EQ(Exec(statement), "") << statement;
    }

private:
    static int Collect(void* rows, int, char** values, char**) {
        static_cast<std::vector<std::string>*>(rows)->push_back(values[0] ? values[0] : "NULL");
        return 0;
    }
    sqlite3* db_ = nullptr;
};

class SqliteSchema : public ::testing::TestWithParam<Database> {};

TEST_P(SqliteSchema, CreatesEveryTableTwiceWithItsColumnsIndexesAndOnlyIdentityKeys) {
    // The second run must find everything in place and change nothing.
    SqliteDb db;
    for (int run = 0; run < 2; ++run)
        ASSERT_NO_FATAL_FAILURE(db.Create(CreateStatements(Engine::SQLite, GetParam())));
    for (const TableDef& table : Tables(GetParam())) {
        SCOPED_TRACE(table.name);
        const std::string name = table.name;
        std::vector<std::string> expected;
        for (const ColumnDef& column : table.columns) expected.push_back(column.name);
        EXPECT_EQ(db.Rows("SELECT name FROM pragma_table_info('" + name + "')"), expected);
        for (const IndexDef& index : table.indexes) {
            EXPECT_EQ(
                db.Rows("SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND name = '" +
                        IndexName(table, index) + "'"),
                std::vector<std::string>{name})
                << index.columns;
        }

        const auto identity = std::ranges::find_if(table.columns, &ColumnDef::identity);
        const auto sql =
            db.Rows("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = '" + name + "'");
        ASSERT_EQ(sql.size(), 1u);
        EXPECT_EQ(Contains(sql[0], "AUTOINCREMENT"), identity != table.columns.end());
        const auto keys =
            db.Rows("SELECT name FROM pragma_table_info('" + name + "') WHERE pk > 0");
        if (identity == table.columns.end()) {
            EXPECT_TRUE(keys.empty());
            continue;
        }
        EXPECT_EQ(keys, std::vector<std::string>{identity->name});
        for (int row = 0; row < 2; ++row)
            ASSERT_EQ(db.Exec("INSERT INTO " + name + " DEFAULT VALUES"), "");
        EXPECT_EQ(
            db.Rows(std::string("SELECT ") + identity->name + " FROM " + name + " ORDER BY 1"),
            (std::vector<std::string>{"1", "2"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Schema, SqliteSchema, ::testing::Values(Database::Config, Database::Mis),
                         DatabaseName);

TEST(SqliteSchemaStatements, TextComparesWithoutRegardToCaseAndUniqueIndexesRefuseDuplicates) {
    SqliteDb db;
    ASSERT_NO_FATAL_FAILURE(db.Create(CreateStatements(Engine::SQLite, Database::Config)));
    ASSERT_EQ(db.Exec("INSERT INTO GHGIS_ApplyClass (ApplyClassID, ApplyClassName) VALUES "
                      "(1, 'abc'), (1, 'ABC'), (1, 'Abd')"),
              "");
    EXPECT_EQ(db.Rows("SELECT COUNT(*) FROM GHGIS_ApplyClass WHERE ApplyClassName = 'ABC'"),
              std::vector<std::string>{"2"});
    EXPECT_EQ(db.Rows("SELECT COUNT(*) FROM (SELECT DISTINCT ApplyClassName FROM "
                      "GHGIS_ApplyClass WHERE (ApplyClassID = 1))"),
              std::vector<std::string>{"2"});
    // Long texts are case-insensitive as well.
    ASSERT_EQ(db.Exec("INSERT INTO GH_ConfigInfo VALUES ('A', 'Value', 'r')"), "");
    EXPECT_EQ(db.Rows("SELECT ConfigItemName FROM GH_ConfigInfo WHERE ConfigItemValue = 'VALUE'"),
              std::vector<std::string>{"A"});

    static constexpr ColumnDef columns[] = {{"Code", ColumnType::Text, 10},
                                            {"Seq", ColumnType::Int}};
    static constexpr IndexDef indexes[] = {{"Code, Seq", true}};
    static constexpr TableDef tables[] = {{"T_Unique", columns, indexes}};
    ASSERT_NO_FATAL_FAILURE(db.Create(CreateStatements(Engine::SQLite, tables)));
    EXPECT_EQ(db.Exec("INSERT INTO T_Unique VALUES ('a', 1)"), "");
    EXPECT_NE(db.Exec("INSERT INTO T_Unique VALUES ('A', 1)"), "");  // same key, other case
    EXPECT_EQ(db.Exec("INSERT INTO T_Unique VALUES ('a', 2)"), "");
}

// The statement that creates `table`: the one whose first line names it.
std::string TableStatement(const std::vector<std::string>& statements, const TableDef& table) {
    for (const std::string& statement : statements) {
        const std::string firstLine = statement.substr(0, statement.find('\n'));
        if (Contains(firstLine, "CREATE TABLE") &&
            (firstLine.ends_with(std::string(" ") + table.name + " (") ||
             firstLine.ends_with(std::string(".") + table.name + " ("))) {
            return statement;
        }
    }
    return {};
}

// The line of a CREATE TABLE statement that defines `column` (without its separating comma),
// whatever quoting the name got.
std::string ColumnLine(const std::string& statement, const ColumnDef& column) {
    std::size_t start = statement.find('\n');
    while (start != std::string::npos) {
        const std::size_t end = statement.find('\n', start + 1);
        std::string line = statement.substr(start + 1, end - start - 1);
        if (line.ends_with(',')) line.pop_back();
        std::string name = line.substr(0, line.find(' ', 4));
        std::erase_if(name, [](char c) { return c == ' ' || c == '"' || c == '[' || c == ']'; });
        if (Lower(name) == Lower(column.name)) return line;
        start = end;
    }
    return {};
}

// How a server engine spells the end of an identity, a text and a flag column.
struct ServerSpelling {
    Engine engine;
    const char* identity;
    const char* text;
    const char* flag;
};
constexpr ServerSpelling kServers[] = {
    {Engine::PostgreSQL, " integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY", " citext",
     " smallint"},
    {Engine::SqlServer, " int IDENTITY(1,1) NOT NULL PRIMARY KEY", " COLLATE Chinese_PRC_CI_AS",
     " bit"},
};

class ServerEngines : public ::testing::TestWithParam<Database> {};

TEST_P(ServerEngines, EveryColumnIsSpelledForTheEngine) {
    for (const ServerSpelling& server : kServers) {
        const std::vector<std::string> statements = CreateStatements(server.engine, GetParam());
        for (const TableDef& table : Tables(GetParam())) {
            const std::string statement = TableStatement(statements, table);
            ASSERT_FALSE(statement.empty()) << table.name;
            for (const ColumnDef& column : table.columns) {
                const std::string line = ColumnLine(statement, column);
                ASSERT_FALSE(line.empty()) << table.name << "." << column.name;
                EXPECT_EQ(Contains(line, "PRIMARY KEY") || Contains(line, "NOT NULL"),
                          column.identity)
                    << line;
                EXPECT_TRUE(!column.identity || line.ends_with(server.identity)) << line;
                EXPECT_TRUE(column.type != ColumnType::Text || line.ends_with(server.text)) << line;
                EXPECT_TRUE(column.type != ColumnType::Bool || line.ends_with(server.flag)) << line;
                if (server.engine == Engine::SqlServer && column.type == ColumnType::Text) {
                    EXPECT_EQ(Contains(line, "varchar(max)"), column.size == 0) << line;
                }
            }
        }
    }
}

TEST_P(ServerEngines, EveryStatementIsGuardedForTheEngine) {
    const std::vector<std::string> pg = CreateStatements(Engine::PostgreSQL, GetParam());
    ASSERT_FALSE(pg.empty());
    EXPECT_EQ(pg.front(), "CREATE EXTENSION IF NOT EXISTS citext");
    for (std::size_t i = 1; i < pg.size(); ++i) {
        EXPECT_TRUE(pg[i].starts_with("CREATE TABLE IF NOT EXISTS ") ||
                    pg[i].starts_with("CREATE INDEX IF NOT EXISTS ") ||
                    pg[i].starts_with("CREATE UNIQUE INDEX IF NOT EXISTS "))
            << pg[i];
        // The connection's search_path chooses the schema; T-SQL spellings do not parse.
        for (const char* tsql : {"dbo.", "COLLATE", "["})
            EXPECT_FALSE(Contains(pg[i], tsql)) << pg[i];
    }

    const std::vector<std::string> ss = CreateStatements(Engine::SqlServer, GetParam());
    for (const TableDef& table : Tables(GetParam())) {
        const std::string name = table.name;
        EXPECT_TRUE(TableStatement(ss, table).starts_with(
            "IF OBJECT_ID(N'dbo." + name + "', N'U') IS NULL CREATE TABLE dbo." + name + " ("))
            << name;
        for (const IndexDef& index : table.indexes) {
            const std::string guard = "IF NOT EXISTS (SELECT * FROM sys.indexes WHERE name = N'" +
                                      IndexName(table, index) +
                                      "' AND object_id = OBJECT_ID(N'dbo." + name + "'))";
            long found = 0;
            for (const std::string& s : ss)
                found += s.starts_with(guard) && Contains(s, " ON dbo." + name);
            EXPECT_EQ(found, 1) << guard;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Schema, ServerEngines, ::testing::Values(Database::Config, Database::Mis),
                         DatabaseName);

// A bare ORDER or PRECISION column would not parse on SQL Server.
TEST(ServerEngines, KeywordColumnsAreQuoted) {
    const std::string board = TableStatement(CreateStatements(Engine::SqlServer, Database::Config),
                                             {"GHSJ_RoadBoardParaConfig", {}, {}});
    EXPECT_TRUE(Contains(board, "\n    [Order] int,")) << board;
    const std::string columns = TableStatement(CreateStatements(Engine::SqlServer, Database::Mis),
                                               {"S_DictColumns", {}, {}});
    EXPECT_TRUE(Contains(columns, "\n    [Precision] smallint,")) << columns;
    const std::string pgBoard =
        TableStatement(CreateStatements(Engine::PostgreSQL, Database::Config),
                       {"GHSJ_RoadBoardParaConfig", {}, {}});
    EXPECT_TRUE(Contains(pgBoard, "\n    \"order\" integer,")) << pgBoard;
}

}  // namespace
}  // namespace ghdb::schema
