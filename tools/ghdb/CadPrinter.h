#pragma once

#include <ostream>

#include "ghdb.h"

namespace ghdb::tool {

// Writes the CAD resources: the font styles, the line types of each line-type file and the
// blocks of each drawing file (files by name), then every base-map group by name with its
// scale, kind, file tables and number of sheets. False when a part could not be read (the
// database error has been shown); the rest is written.
bool WriteCadResources(CBaseClassAccess& access, std::ostream& out);

}  // namespace ghdb::tool
