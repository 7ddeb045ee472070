#pragma once

#include <string>

#include "ghdb.h"

namespace ghdb::tool {

// Stores the sample pipeline settings (datasets, pipe types, field definitions, symbol blocks,
// font heights and clearance standards) beside the sample catalogue, whose pipe layers they
// name: all of them or, when a step fails, none; `failure` then names the step. The library
// only reads these tables, so the rows are written as a host that maintains them does: each
// record writes its columns into a new row of the table.
bool BuildSamplePipes(CBaseClassAccess& access, std::string& failure);

}  // namespace ghdb::tool
