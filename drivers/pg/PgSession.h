#pragma once

#include <memory>
#include <string>

#include "drivers/Session.h"

namespace ghdb::driver {

// A PostgreSQL database reached through libpq, for a `Provider=PostgreSQL;…` string or a
// `postgresql://` URI (see drivers/pg/PgConnectionString.h).
std::unique_ptr<Session> OpenPostgres(const std::string& connectionString);

}  // namespace ghdb::driver
