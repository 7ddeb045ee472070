#include <strings.h>

#include "drivers/ConnectionString.h"
#include "drivers/Session.h"
#include "drivers/odbc/OdbcHandle.h"
#include "drivers/odbc/OdbcSession.h"
#include "drivers/odbc/SqlServerString.h"
#include "drivers/pg/PgConnectionString.h"
#include "drivers/pg/PgSession.h"
#include "drivers/sqlite/SqliteSession.h"

namespace ghdb::driver {

std::unique_ptr<Session> OpenSession(const std::string& connectionString, OpenMode mode) {
    // PostgreSQL's own strings take libpq; an ODBC string for it still goes through ODBC.
    if (pg::IsPostgresString(connectionString)) return OpenPostgres(connectionString);
    const ConnectionString parts(connectionString);
    const auto provider = parts.get("Provider");
    if (provider && strcasecmp(provider->c_str(), "SQLite") == 0)
        return OpenSqlite(parts.get("Data Source").value_or(""), mode);
    if (provider && odbc::IsSqlServerProvider(*provider)) {
        const std::string driver = odbc::ChooseSqlServerDriver(parts, odbc::InstalledDrivers());
        if (driver.empty())
            throw DriverError({ErrorRecord{
                "No ODBC driver for SQL Server is installed (ODBC Driver 18 or 17 for SQL Server, "
                "or FreeTDS).",
                *provider, "IM002", 0}});
        return OpenOdbc(odbc::SqlServerOdbcString(parts, driver), driver);
    }
    // A plain ODBC string goes to the driver manager as it stands.
    if (!provider && (parts.get("Driver") || parts.get("DSN") || parts.get("FILEDSN")))
        return OpenOdbc(connectionString, parts.get("Driver").value_or(""));
    throw DriverError({ErrorRecord{"Provider cannot be found. It may not be properly installed.",
                                   "ghdb", "", 0}});
}

}  // namespace ghdb::driver
