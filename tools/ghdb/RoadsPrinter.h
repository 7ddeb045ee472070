#pragma once

#include <ostream>

#include "ghdb.h"

namespace ghdb::tool {

// Writes every road standard with its main and line layers, then each board it may use with
// the board's ways in order (position, kind of way, width) and the widths offered, then the
// default radius it uses per road type. Two blanks of indent per level. False when a part
// could not be read (the database error has been shown); the rest is written.
bool WriteRoadStandards(CBaseClassAccess& access, std::ostream& out);

}  // namespace ghdb::tool
