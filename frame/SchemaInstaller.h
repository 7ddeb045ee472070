#pragma once

#include "platform/mfc/CArray.h"

namespace ghdb {

// Create every table and index of the configuration (or MIS) database on the database that
// the connection string names, in its engine's dialect; an embedded database file is created
// when missing. Tables that exist are kept as they are. 2 on success; -1 after showing the
// engine's error, with nothing created.
long CreateConfigSchema(const char* connectionString);
long CreateMisSchema(const char* connectionString);

// Appends the name of every table of the configuration (or MIS) database, in creation order.
void GetConfigTableNames(CStringArray& names);
void GetMisTableNames(CStringArray& names);

}  // namespace ghdb
