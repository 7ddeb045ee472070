#pragma once

#include <span>
#include <string>
#include <vector>

#include "schema/Engine.h"
#include "schema/Tables.h"

namespace ghdb::schema {

// The statements that create every table and index of `db` in `engine`'s own dialect, in order.
// They are idempotent: running them on a database that already holds the schema changes nothing.
std::vector<std::string> CreateStatements(Engine engine, Database db);

// The same for an arbitrary set of tables.
std::vector<std::string> CreateStatements(Engine engine, std::span<const TableDef> tables);

// "IX_<table>_<columns joined by _>", shortened with a hash suffix where it would exceed the
// 63 bytes that PostgreSQL keeps of an identifier (index names share one namespace per schema
// there, so the table name stays part of it).
std::string IndexName(const TableDef& table, const IndexDef& index);

}  // namespace ghdb::schema
