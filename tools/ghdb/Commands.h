#pragma once

#include <string>
#include <vector>

namespace ghdb::tool {

using Args = std::vector<std::string>;

// A subcommand: its name, the line that shows how to call it, and what it does. `run` gets
// the arguments after the name and returns the exit status.
struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    int (*run)(const Command& self, const Args& args);
};

const std::vector<Command>& AllCommands();

// A connection string as given, or the connection string of an embedded database file.
std::string ConnectionFromArgument(const std::string& argument);

// Prints "ghdb: <message>" and the command's usage to stderr; returns the status for bad use.
int BadUsage(const Command& command, const std::string& message);
bool WantsHelp(const Args& args);
int ShowHelp(const Command& command);

int RunInit(const Command& self, const Args& args);
int RunConnstr(const Command& self, const Args& args);
int RunTables(const Command& self, const Args& args);
int RunSample(const Command& self, const Args& args);
int RunTree(const Command& self, const Args& args);
int RunSubjects(const Command& self, const Args& args);
int RunCad(const Command& self, const Args& args);
int RunPipes(const Command& self, const Args& args);
int RunMis(const Command& self, const Args& args);
int RunRoads(const Command& self, const Args& args);
int RunConfig(const Command& self, const Args& args);

}  // namespace ghdb::tool
