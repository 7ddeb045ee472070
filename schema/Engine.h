#pragma once

namespace ghdb::schema {

// The database engines that ghdb can run on; the drivers and the DDL generator both key on it.
enum class Engine { SQLite, PostgreSQL, SqlServer };

}  // namespace ghdb::schema
