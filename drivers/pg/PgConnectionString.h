#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ghdb::driver::pg {

// Whether `text` opens PostgreSQL through libpq: a `postgresql://` (or `postgres://`) URI, or a
// `Provider=PostgreSQL;…` string. ODBC strings (`Driver=…`, `DSN=…`) are not.
bool IsPostgresString(std::string_view text);

// libpq's connection keywords and values for such a string, in order. Raises DriverError for a
// key that is neither one of the ADO-style names below nor a libpq keyword:
//   Host, Server, Data Source (HOST, HOST,PORT or HOST:PORT) -> host (and port)
//   Port -> port;  Database, Initial Catalog -> dbname;  User ID, UID, User -> user;
//   Password, PWD -> password;  Timeout, Connect Timeout -> connect_timeout;
//   SSL Mode -> sslmode;  Application Name -> application_name.
// A URI is handed to libpq as it stands. Text always travels as UTF-8.
struct LibpqParameters {
    std::vector<std::pair<std::string, std::string>> items;
    bool expandUri = false;  // the `dbname` value is a URI that libpq takes apart
};
LibpqParameters ToLibpqParameters(std::string_view text);

}  // namespace ghdb::driver::pg
