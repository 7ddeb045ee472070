#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "schema/DatabaseParam.h"
#include "schema/Ddl.h"
#include "support/Text.h"

namespace ghdb::schema {
namespace {

using test::Lower;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
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

class SqliteDb {
public:
    SqliteDb() { sqlite3_open(":memory:", &db_); }
    ~SqliteDb() { sqlite3_close(db_); }
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Runs a statement; returns the engine's error text, empty on success. The rows go to
    // `rows`, each row's columns joined by '|'.
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

private:
    static int Collect(void* rows, int count, char** values, char**) {
        std::string row;
        for (int i = 0; i < count; ++i)
            row += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
        static_cast<std::vector<std::string>*>(rows)->push_back(row);
        return 0;
    }
    sqlite3* db_ = nullptr;
};

void CreateSchema(SqliteDb& db, Database which) {
    for (const std::string& statement : CreateStatements(Engine::SQLite, which)) {
        ASSERT_EQ(db.Exec(statement), "") << statement;
    }
}

class SqliteSchema : public ::testing::TestWithParam<Database> {
protected:
    void SetUp() override {
        // Twice: the second run must find everything in place and change nothing.
        ASSERT_NO_FATAL_FAILURE(CreateSchema(db_, GetParam()));
        ASSERT_NO_FATAL_FAILURE(CreateSchema(db_, GetParam()));
    }
    SqliteDb db_;
};

TEST_P(SqliteSchema, CreatesEveryTableWithItsColumnsInOrderAndItsIndexes) {
    for (const TableDef& table : Tables(GetParam())) {
        SCOPED_TRACE(table.name);
        std::vector<std::string> expected;
        for (const ColumnDef& column : table.columns) expected.push_back(column.name);
        EXPECT_EQ(db_.Rows(std::string("SELECT name FROM pragma_table_info('") + table.name + "')"),
                  expected);

        for (const IndexDef& index : table.indexes) {
            EXPECT_EQ(db_.Rows("SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND "
                               "name = '" +
                               IndexName(table, index) + "'"),
                      std::vector<std::string>{table.name})
                << index.columns;
        }
    }
}

TEST_P(SqliteSchema, OnlyIdentityColumnsAreKeysAndTheyAreAssignedByTheDatabase) {
    for (const TableDef& table : Tables(GetParam())) {
        SCOPED_TRACE(table.name);
        const auto identity = std::ranges::find_if(table.columns, &ColumnDef::identity);
        const std::vector<std::string> sql = db_.Rows(
            std::string("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = '") +
            table.name + "'");
        ASSERT_EQ(sql.size(), 1u);
        EXPECT_EQ(Contains(sql[0], "AUTOINCREMENT"), identity != table.columns.end());

        const std::vector<std::string> keys = db_.Rows(
            std::string("SELECT name FROM pragma_table_info('") + table.name + "') WHERE pk > 0");
        if (identity == table.columns.end()) {
            EXPECT_TRUE(keys.empty());
            continue;
        }
        EXPECT_EQ(keys, std::vector<std::string>{identity->name});
        ASSERT_EQ(db_.Exec(std::string("INSERT INTO ") + table.name + " DEFAULT VALUES"), "");
        ASSERT_EQ(db_.Exec(std::string("INSERT INTO ") + table.name + " DEFAULT VALUES"), "");
        EXPECT_EQ(db_.Rows(std::string("SELECT ") + identity->name + " FROM " + table.name +
                           " ORDER BY 1"),
                  (std::vector<std::string>{"1", "2"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Schema, SqliteSchema, ::testing::Values(Database::Config, Database::Mis),
                         DatabaseName);

class SqliteConfigSchema : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(CreateSchema(db_, Database::Config)); }
    SqliteDb db_;
};

TEST_F(SqliteConfigSchema, TextComparesWithoutRegardToCase) {
    ASSERT_EQ(db_.Exec("INSERT INTO GHGIS_ApplyClass (ApplyClassID, ApplyClassName) VALUES "
                       "(1, 'abc'), (1, 'ABC'), (1, 'Abd')"),
              "");
    EXPECT_EQ(db_.Rows("SELECT COUNT(*) FROM GHGIS_ApplyClass WHERE ApplyClassName = 'ABC'"),
              std::vector<std::string>{"2"});
    EXPECT_EQ(db_.Rows("SELECT COUNT(*) FROM (SELECT DISTINCT ApplyClassName FROM "
                       "GHGIS_ApplyClass WHERE (ApplyClassID = 1))"),
              std::vector<std::string>{"2"});
    // Long texts are case-insensitive as well.
    ASSERT_EQ(db_.Exec("INSERT INTO GH_ConfigInfo VALUES ('A', 'Value', 'r')"), "");
    EXPECT_EQ(db_.Rows("SELECT ConfigItemName FROM GH_ConfigInfo WHERE ConfigItemValue = 'VALUE'"),
              std::vector<std::string>{"A"});
}

TEST(SqliteSchemaStatements, UniqueIndexesRefuseDuplicates) {
    static constexpr ColumnDef columns[] = {{"Code", ColumnType::Text, 10},
                                            {"Seq", ColumnType::Int}};
    static constexpr IndexDef indexes[] = {{"Code, Seq", true}};
    static constexpr TableDef tables[] = {{"T_Unique", columns, indexes}};
    SqliteDb db;
    for (const std::string& statement : CreateStatements(Engine::SQLite, tables)) {
        ASSERT_EQ(db.Exec(statement), "") << statement;
    }
    EXPECT_EQ(db.Exec("INSERT INTO T_Unique VALUES ('a', 1)"), "");
    EXPECT_NE(db.Exec("INSERT INTO T_Unique VALUES ('A', 1)"), "");  // same key, other case
    EXPECT_EQ(db.Exec("INSERT INTO T_Unique VALUES ('a', 2)"), "");
}

TEST(IndexNames, FitPostgreSQLIdentifiersAndStayDistinct) {
    std::set<std::string> names;
    for (const Database db : {Database::Config, Database::Mis}) {
        for (const TableDef& table : Tables(db)) {
            for (const IndexDef& index : table.indexes) {
                const std::string name = IndexName(table, index);
                EXPECT_LE(name.size(), 63u) << name;
                EXPECT_TRUE(names.insert(Lower(name)).second) << name;
            }
        }
    }

    constexpr TableDef longTable{"GHSJ_AVeryLongTableNameThatLeavesNoRoomForColumns", {}, {}};
    const std::string first = IndexName(longTable, {"FirstColumnName, SecondColumnName"});
    const std::string second = IndexName(longTable, {"FirstColumnName, OtherColumnName"});
    EXPECT_LE(first.size(), 63u);
    EXPECT_TRUE(StartsWith(first, "IX_GHSJ_AVeryLongTableName"));
    EXPECT_NE(first, second);
    EXPECT_EQ(first, IndexName(longTable, {"FirstColumnName, SecondColumnName"}));
}

// Checks every text, identity and other column line of every table for one engine.
template <typename Check>
void ForEachColumnLine(Engine engine, Database db, Check check) {
    const std::vector<std::string> statements = CreateStatements(engine, db);
    for (const TableDef& table : Tables(db)) {
        const std::string statement = TableStatement(statements, table);
        ASSERT_FALSE(statement.empty()) << table.name;
        for (const ColumnDef& column : table.columns) {
            const std::string line = ColumnLine(statement, column);
            ASSERT_FALSE(line.empty()) << table.name << "." << column.name;
            check(column, line);
        }
    }
}

class ServerEngines : public ::testing::TestWithParam<Database> {};

TEST_P(ServerEngines, PostgreSQLStatementsAreGuardedAndCaseInsensitive) {
    const std::vector<std::string> statements = CreateStatements(Engine::PostgreSQL, GetParam());
    ASSERT_FALSE(statements.empty());
    EXPECT_EQ(statements.front(), "CREATE EXTENSION IF NOT EXISTS citext");
    for (std::size_t i = 1; i < statements.size(); ++i) {
        const std::string& statement = statements[i];
        EXPECT_TRUE(StartsWith(statement, "CREATE TABLE IF NOT EXISTS ") ||
                    StartsWith(statement, "CREATE INDEX IF NOT EXISTS ") ||
                    StartsWith(statement, "CREATE UNIQUE INDEX IF NOT EXISTS "))
            << statement;
        // The connection's search_path chooses the schema; T-SQL spellings do not parse.
        EXPECT_FALSE(Contains(statement, "dbo.")) << statement;
        EXPECT_FALSE(Contains(statement, "COLLATE")) << statement;
        EXPECT_FALSE(Contains(statement, "[")) << statement;
    }
    ForEachColumnLine(
        Engine::PostgreSQL, GetParam(), [](const ColumnDef& column, const std::string& line) {
            if (column.identity) {
                EXPECT_TRUE(Contains(line, " integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"))
                    << line;
            } else {
                EXPECT_FALSE(Contains(line, "PRIMARY KEY") || Contains(line, "NOT NULL")) << line;
            }
            if (column.type == ColumnType::Text) {
                EXPECT_TRUE(line.ends_with(" citext")) << line;
            }
            if (column.type == ColumnType::Bool) {
                EXPECT_TRUE(line.ends_with(" smallint")) << line;
            }
        });
}

TEST_P(ServerEngines, SqlServerStatementsAreGuardedAndUseTheCollation) {
    const std::vector<std::string> statements = CreateStatements(Engine::SqlServer, GetParam());
    for (const TableDef& table : Tables(GetParam())) {
        const std::string statement = TableStatement(statements, table);
        EXPECT_TRUE(StartsWith(statement, std::string("IF OBJECT_ID(N'dbo.") + table.name +
                                              "', N'U') IS NULL CREATE TABLE dbo." + table.name +
                                              " ("))
            << statement;
        for (const IndexDef& index : table.indexes) {
            const std::string guard = "IF NOT EXISTS (SELECT * FROM sys.indexes WHERE name = N'" +
                                      IndexName(table, index) +
                                      "' AND object_id = OBJECT_ID(N'dbo." + table.name + "'))";
            EXPECT_EQ(std::ranges::count_if(statements,
                                            [&](const std::string& s) {
                                                return StartsWith(s, guard) &&
                                                       Contains(
                                                           s, " ON dbo." + std::string(table.name));
                                            }),
                      1)
                << guard;
        }
    }
    ForEachColumnLine(
        Engine::SqlServer, GetParam(), [](const ColumnDef& column, const std::string& line) {
            if (column.identity) {
                EXPECT_TRUE(Contains(line, " int IDENTITY(1,1) NOT NULL PRIMARY KEY")) << line;
            } else {
                EXPECT_FALSE(Contains(line, "PRIMARY KEY") || Contains(line, "NOT NULL")) << line;
            }
            if (column.type == ColumnType::Text) {
                EXPECT_TRUE(line.ends_with(" COLLATE Chinese_PRC_CI_AS")) << line;
                EXPECT_EQ(Contains(line, "varchar(max)"), column.size == 0) << line;
            }
        });
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
