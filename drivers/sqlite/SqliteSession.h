#pragma once

#include <memory>
#include <string>

#include "drivers/Session.h"

namespace ghdb::driver {

// The embedded engine: one SQLite database file (or `:memory:`).
std::unique_ptr<Session> OpenSqlite(const std::string& path, OpenMode mode);

}  // namespace ghdb::driver
