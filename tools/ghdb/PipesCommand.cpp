#include <iostream>

#include "ghdb.h"
#include "tools/ghdb/Commands.h"
#include "tools/ghdb/PipesPrinter.h"

namespace ghdb::tool {

int RunPipes(const Command& self, const Args& args) {
    if (args.size() != 1) return BadUsage(self, "expects one CONNECTION");
    CBaseClassAccess* access =
        CBaseClassAccess::CreateInstance(ConnectionFromArgument(args[0]).c_str());
    if (!access) return 1;
    const bool complete = WritePipeSettings(*access, std::cout);
    access->ReleaseInstance();
    std::cout.flush();
    return complete ? 0 : 1;
}

}  // namespace ghdb::tool
