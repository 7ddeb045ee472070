#include <cstdio>

#include "ghdb.h"
#include "schema/Tables.h"
#include "tools/ghdb/Commands.h"

namespace ghdb::tool {

int RunTables(const Command& self, const Args& args) {
    if (args.size() != 1) return BadUsage(self, "expects one CONNECTION");
    CBaseClassAccess* access =
        CBaseClassAccess::CreateInstance(ConnectionFromArgument(args[0]).c_str());
    if (!access) return 1;
    int missing = 0;
    for (const schema::TableDef& table : schema::Tables(schema::Database::Config)) {
        long rows = 0;
        const long status = access->GetMaxFieldValueFromTable(
            FormatString("SELECT COUNT(*) AS MaxValue FROM %s", table.name), rows);
        if (status == 2)
            std::printf("%-36s %8ld\n", table.name, rows);
        else
            ++missing;
    }
    access->ReleaseInstance();
    return missing == 0 ? 0 : 1;
}

}  // namespace ghdb::tool
