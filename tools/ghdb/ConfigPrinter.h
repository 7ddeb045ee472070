#pragma once

#include <ostream>

#include "ghdb.h"

namespace ghdb::tool {

// Writes every setting as "NAME = VALUE", one a line, in table order. False when the settings
// could not be read (the database error has been shown).
bool WriteSettings(CBaseClassAccess& access, std::ostream& out);

// Writes the main menu as a tree by tree code, two blanks of indent per level and entries in id
// order: pop-ups marked, separators as a line, commands with their function id. Entries whose
// parent code names no entry are listed after the tree. False when the menu could not be read.
bool WriteMenuTree(CBaseClassAccess& access, std::ostream& out);

}  // namespace ghdb::tool
