#include <cstdio>

#include "ghdb.h"
#include "tools/ghdb/Commands.h"

namespace ghdb::tool {

int RunTables(const Command& self, const Args& args) {
    if (args.size() != 1) return BadUsage(self, "expects one CONNECTION");
    CBaseClassAccess* access =
        CBaseClassAccess::CreateInstance(ConnectionFromArgument(args[0]).c_str());
    if (!access) return 1;
    CStringArray tables;
    GetConfigTableNames(tables);
    int missing = 0;
    for (const CString& table : tables) {
        long rows = 0;
        const long status = access->GetMaxFieldValueFromTable(
            FormatSql("SELECT COUNT(*) AS MaxValue FROM %s", Verbatim(table)), rows);
        if (status == 2)
            std::printf("%-36s %8ld\n", table.GetString(), rows);
        else
            ++missing;
    }
    access->ReleaseInstance();
    return missing == 0 ? 0 : 1;
}

}  // namespace ghdb::tool
