#include <cstdio>
#include <filesystem>

#include "ghdb.h"
#include "tools/ghdb/Commands.h"

namespace ghdb::tool {

// A file name makes a new embedded database; a connection string installs the tables on the
// server database it names, keeping the tables that exist.
int RunInit(const Command& self, const Args& args) {
    if (args.size() != 1) return BadUsage(self, "expects one FILE or CONNECTION");
    const bool server = args[0].find('=') != std::string::npos;
    if (!server && std::filesystem::exists(args[0]))
        return BadUsage(self, "'" + args[0] + "' exists already; init creates a new database");
    if (CreateConfigSchema(ConnectionFromArgument(args[0]).c_str()) != 2) return 1;
    // A connection string carries a password: it is not echoed.
    std::printf("configuration tables ready in %s\n",
                server ? "the server database" : args[0].c_str());
    return 0;
}

}  // namespace ghdb::tool
