#pragma once

#include <string>
#include <string_view>

#include "schema/Engine.h"

namespace ghdb::driver {

// Statements are written in SQL Server's dialect. For another engine this rewrites only what
// that engine cannot parse, and SQL Server's collations to the engine's own; never inside string
// literals.
std::string RewriteForEngine(schema::Engine engine, std::string_view sql);

}  // namespace ghdb::driver
