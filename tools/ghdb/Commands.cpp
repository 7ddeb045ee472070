#include "tools/ghdb/Commands.h"

#include <cstdio>

namespace ghdb::tool {

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"init", "ghdb init FILE | CONNECTION",
         "create an empty configuration database file, or the tables on a server", RunInit},
        {"connstr",
         "ghdb connstr encode SERVER DATABASE USER PASSWORD | decode STRING | test STRING",
         "build, take apart or test a connection string", RunConnstr},
        {"tables", "ghdb tables CONNECTION", "list the configuration tables and their row counts",
         RunTables},
        {"sample", "ghdb sample [--mis] FILE",
         "create a new embedded database holding a sample planning catalogue and pipeline "
         "settings (with --mis: a sample MIS database)",
         RunSample},
        {"tree", "ghdb tree CONNECTION",
         "show the layer-group tree with its layers, shape kinds and field counts", RunTree},
        {"subjects", "ghdb subjects CONNECTION",
         "show the subject tree of each subject type and the custom subjects, with their layers",
         RunSubjects},
        {"cad", "ghdb cad CONNECTION",
         "list the CAD font styles, line types and blocks per file, and the base-map groups",
         RunCad},
        {"pipes", "ghdb pipes CONNECTION", "list the pipeline settings", RunPipes},
        {"mis", "ghdb mis CONNECTION",
         "show the MIS sub-systems with their businesses, workflows and phases", RunMis},
        {"roads", "ghdb roads CONNECTION",
         "show the road standards with their layers, boards, ways and radii", RunRoads},
        {"config", "ghdb config CONNECTION [NAME [VALUE]]",
         "show the settings and the main menu, or show or store one setting", RunConfig},
    };
    return commands;
}

std::string ConnectionFromArgument(const std::string& argument) {
    if (argument.find('=') != std::string::npos) return argument;
    return "Provider=SQLite;Data Source=" + argument;
}

int BadUsage(const Command& command, const std::string& message) {
    std::fprintf(stderr, "ghdb %s: %s\nusage: %s\n", command.name, message.c_str(), command.usage);
    return 2;
}

bool WantsHelp(const Args& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

int ShowHelp(const Command& command) {
    std::printf("usage: %s\n\n%s.\n", command.usage, command.summary);
    return 0;
}

}  // namespace ghdb::tool
