#pragma once

#include <span>

namespace ghdb::schema {

enum class ColumnType { Int, SmallInt, Real, Double, Bool, Text, DateTime, Blob };

struct ColumnDef {
    const char* name;
    ColumnType type;
    int size = 0;  // Text: maximum length in characters, 0 = unbounded
    // The database assigns the value on insert; an identity column is the table's primary key.
    bool identity = false;
};

struct IndexDef {
    const char* columns;  // comma-separated column list, e.g. "LayerID, Sequence"
    bool unique = false;
};

struct TableDef {
    const char* name;
    std::span<const ColumnDef> columns;
    std::span<const IndexDef> indexes;
};

enum class Database { Config, Mis };

std::span<const TableDef> ConfigTables();
std::span<const TableDef> MisTables();

inline std::span<const TableDef> Tables(Database db) {
    return db == Database::Config ? ConfigTables() : MisTables();
}

}  // namespace ghdb::schema
