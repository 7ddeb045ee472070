#include <iostream>

#include "ghdb.h"
#include "tools/ghdb/Commands.h"
#include "tools/ghdb/RoadsPrinter.h"

namespace ghdb::tool {

int RunRoads(const Command& self, const Args& args) {
    if (args.size() != 1) return BadUsage(self, "expects one CONNECTION");
    CBaseClassAccess* access =
        CBaseClassAccess::CreateInstance(ConnectionFromArgument(args[0]).c_str());
    if (!access) return 1;
    const bool complete = WriteRoadStandards(*access, std::cout);
    access->ReleaseInstance();
    std::cout.flush();
    return complete ? 0 : 1;
}

}  // namespace ghdb::tool
