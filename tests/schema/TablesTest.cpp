#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "schema/DatabaseParam.h"
#include "schema/Tables.h"
#include "support/Text.h"

namespace ghdb::schema {
namespace {

using test::Lower;

const ColumnDef* FindColumn(const TableDef& table, std::string_view name) {
    for (const ColumnDef& column : table.columns) {
        if (Lower(column.name) == Lower(name)) return &column;
    }
    return nullptr;
}

std::vector<std::string> IndexColumns(const IndexDef& index) {
    std::vector<std::string> names;
    std::string name;
    for (char c : std::string_view(index.columns)) {
        if (c == ',') {
            names.push_back(name);
            name.clear();
        } else if (c != ' ') {
            name += c;
        }
    }
    names.push_back(name);
    return names;
}

// Bytes an index key takes in the most restrictive engine (SQL Server: 900 bytes).
int KeyBytes(const ColumnDef& column) {
    switch (column.type) {
        case ColumnType::Bool:
            return 1;
        case ColumnType::SmallInt:
            return 2;
        case ColumnType::Int:
        case ColumnType::Real:
            return 4;
        case ColumnType::Double:
        case ColumnType::DateTime:
            return 8;
        case ColumnType::Text:
            return column.size;
        case ColumnType::Blob:
            break;
    }
    return 100000;
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
            if (column.identity) {
                ++identities;
                EXPECT_EQ(column.type, ColumnType::Int) << column.name;
            }
            if (column.type != ColumnType::Text) {
                EXPECT_EQ(column.size, 0) << column.name;
            }
        }
        EXPECT_LE(identities, 1);

        for (const IndexDef& index : table.indexes) {
            int keyBytes = 0;
            for (const std::string& name : IndexColumns(index)) {
                const ColumnDef* column = FindColumn(table, name);
                ASSERT_NE(column, nullptr) << index.columns;
                // Unbounded text cannot be an index key on SQL Server.
                if (column->type == ColumnType::Text) {
                    EXPECT_GT(column->size, 0) << name;
                }
                keyBytes += KeyBytes(*column);
            }
            EXPECT_LE(keyBytes, 900) << index.columns;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Schema, EveryDatabase, ::testing::Values(Database::Config, Database::Mis),
                         DatabaseName);

// Only keys that the library reads back instead of writing are identities; an identity on an
// application-written key would refuse the library's value or renumber referenced rows.
TEST(SchemaTables, DatabaseAssignsExactlyTheKeysTheLibraryReadsBack) {
    std::set<std::string> identities;
    for (const Database db : {Database::Config, Database::Mis}) {
        for (const TableDef& table : Tables(db)) {
            for (const ColumnDef& column : table.columns) {
                if (column.identity) identities.insert(std::string(table.name) + "." + column.name);
            }
        }
    }
    const std::set<std::string> expected = {
        "GHGIS_SpacialDBInfo.DBID", "GHGIS_LayerGroup.LayerGroupID", "GH_FieldsRelConfig.FID",
        "GHSJ_FieldEnumDef.ID", "GHSJ_RoadCornerOfCrossConfig.ID"};
    EXPECT_EQ(identities, expected);
}

}  // namespace
}  // namespace ghdb::schema
