#include <strings.h>

#include "drivers/ConnectionString.h"
#include "drivers/Session.h"
#include "drivers/sqlite/SqliteSession.h"

namespace ghdb::driver {

std::unique_ptr<Session> OpenSession(const std::string& connectionString, OpenMode mode) {
    const ConnectionString parts(connectionString);
    const std::string provider = parts.get("Provider").value_or("");
    if (strcasecmp(provider.c_str(), "SQLite") == 0)
        return OpenSqlite(parts.get("Data Source").value_or(""), mode);
    throw DriverError({ErrorRecord{"Provider cannot be found. It may not be properly installed.",
                                   "ghdb", "", 0}});
}

}  // namespace ghdb::driver
