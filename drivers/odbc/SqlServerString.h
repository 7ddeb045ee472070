#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drivers/ConnectionString.h"

namespace ghdb::driver::odbc {

// Whether `provider` names one of SQL Server's OLE DB providers (SQLOLEDB, SQLNCLI…,
// MSOLEDBSQL…), without regard to case.
bool IsSqlServerProvider(std::string_view provider);

// The ODBC driver that reaches SQL Server for `oleDb`: the one its `Driver` key names, else the
// newest "ODBC Driver N for SQL Server" among `installed`, else FreeTDS; empty when there is none.
std::string ChooseSqlServerDriver(const ConnectionString& oleDb,
                                  const std::vector<std::string>& installed);

// The ODBC connection string that opens, through `driver`, the database that an OLE DB string of
// a SQL Server provider names.
std::string SqlServerOdbcString(const ConnectionString& oleDb, const std::string& driver);

// `value` as an ODBC attribute value: wrapped in braces (with `}` doubled) when it would
// otherwise end early or lose blanks.
std::string OdbcValue(std::string_view value);

}  // namespace ghdb::driver::odbc
