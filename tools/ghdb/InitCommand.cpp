#include <cstdio>
#include <filesystem>

#include "ghdb.h"
#include "tools/ghdb/Commands.h"

namespace ghdb::tool {

int RunInit(const Command& self, const Args& args) {
    if (args.size() != 1) return BadUsage(self, "expects one FILE");
    if (std::filesystem::exists(args[0]))
        return BadUsage(self, "'" + args[0] + "' exists already; init creates a new database");
    if (CreateConfigSchema(("Provider=SQLite;Data Source=" + args[0]).c_str()) != 2) return 1;
    std::printf("created configuration database %s\n", args[0].c_str());
    return 0;
}

}  // namespace ghdb::tool
