#pragma once

#include <ostream>

#include "ghdb.h"

namespace ghdb::tool {

// Writes the layer-group tree from the root groups down, two blanks of indent per level: each
// group with its number of layers, then its child groups, then its layers in display order with
// their shape kind and number of fields. A group met a second time (a loop in the parent links)
// is named but not entered again. False when a part of the tree could not be read (the
// database error has been shown); the rest is written.
bool WriteLayerTree(CBaseClassAccess& access, std::ostream& out);

}  // namespace ghdb::tool
