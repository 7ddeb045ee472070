#pragma once

#include <memory>
#include <string>

#include "drivers/Session.h"

namespace ghdb::driver {

// A server database reached through the ODBC driver manager (unixODBC), PostgreSQL or SQL
// Server. `source` names the driver in error records (the connection string's driver, or the
// driver's own name when empty).
std::unique_ptr<Session> OpenOdbc(const std::string& connectionString, const std::string& source);

}  // namespace ghdb::driver
