#include <cstdio>
#include <cstring>

#include "tools/ghdb/Commands.h"

namespace {

void PrintUsage(std::FILE* out) {
    std::fprintf(out,
                 "usage: ghdb COMMAND [ARGUMENTS]\n\n"
                 "CONNECTION is a connection string, or the path of an embedded database file.\n\n"
                 "commands:\n");
    for (const auto& c : ghdb::tool::AllCommands())
        std::fprintf(out, "  %-10s %s\n", c.name, c.summary);
    std::fprintf(out, "\n'ghdb COMMAND --help' tells more about a command.\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        PrintUsage(stdout);
        return 0;
    }
    for (const auto& command : ghdb::tool::AllCommands()) {
        if (command.name != std::string(argv[1])) continue;
        const ghdb::tool::Args args(argv + 2, argv + argc);
        if (ghdb::tool::WantsHelp(args)) return ghdb::tool::ShowHelp(command);
        return command.run(command, args);
    }
    std::fprintf(stderr, "ghdb: '%s' is not a command\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
