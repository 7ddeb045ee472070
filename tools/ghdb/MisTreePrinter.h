#pragma once

#include <ostream>

#include "ghdb.h"

namespace ghdb::tool {

// Writes the MIS catalogue as a tree, two blanks of indent per level: each sub-system, its
// businesses, their workflow codes, the active versions of each (newest first) and their
// phases in phase order. False when a part could not be read (the database error has been
// shown); the rest is written.
bool WriteMisTree(CMisDBAccess& access, std::ostream& out);

}  // namespace ghdb::tool
