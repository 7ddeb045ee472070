#pragma once

#include "platform/mfc/CString.h"

namespace ghdb {

// The connection string of a SQL Server database from its four parameters, which are
// inserted as they are.
CString EncodeConnectionString(CString server, CString database, CString user, CString password);
// The four parameters back; a key that is absent gives an empty value.
void DecodeConnectionString(CString connectionString, CString& server, CString& database,
                            CString& user, CString& password);
// 1 when a connection can be opened with the string, else 0 (after showing the engine's
// reason).
int TestConnection(CString connectionString);
int TestConnection(CString server, CString database, CString user, CString password);

}  // namespace ghdb
