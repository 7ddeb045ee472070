#pragma once

#include <ostream>

#include "ghdb.h"

namespace ghdb::tool {

// Writes the subject tree of every subject type that files subjects, types in ascending order,
// then the custom subjects: each subject indented two blanks per level with its id and its
// layers in display order, its children below it in sibling order. A subject met a second time
// (a loop in the parent links) is named but not entered again. False when a part could not be
// read (the database error has been shown); the rest is written.
bool WriteSubjectTree(CBaseClassAccess& access, std::ostream& out);

}  // namespace ghdb::tool
