#pragma once

#include <ostream>

#include "ghdb.h"

namespace ghdb::tool {

// Writes every pipeline setting, table by table, one line per row under a heading with the
// number of rows. False when a table could not be read (the database error has been shown);
// the others are written.
bool WritePipeSettings(CBaseClassAccess& access, std::ostream& out);

}  // namespace ghdb::tool
