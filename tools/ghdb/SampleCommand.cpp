#include <cstdio>
#include <filesystem>
#include <string>

#include "ghdb.h"
#include "tools/ghdb/Commands.h"
#include "tools/ghdb/SampleCatalogue.h"
#include "tools/ghdb/SampleMis.h"
#include "tools/ghdb/SamplePipes.h"

namespace ghdb::tool {

namespace {

// A database file that could not be completed is not left behind for the next run to refuse.
void RemoveDatabaseFile(const std::string& file) {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(file + suffix, ignored);
}

int MakeSampleMis(const std::string& file, const std::string& connection) {
    std::string failure;
    if (!BuildSampleMis(connection, failure)) {
        std::fprintf(stderr, "ghdb sample: %s; %s removed\n", failure.c_str(), file.c_str());
        RemoveDatabaseFile(file);
        return 1;
    }
    std::printf("created sample MIS database %s\n", file.c_str());
    return 0;
}

}  // namespace

int RunSample(const Command& self, const Args& args) {
    const bool mis = !args.empty() && args[0] == "--mis";
    if (args.size() != (mis ? 2u : 1u)) return BadUsage(self, "expects one FILE");
    const std::string& file = args.back();
    if (std::filesystem::exists(file))
        return BadUsage(self, "'" + file + "' exists already; sample creates a new database");
    const std::string connection = "Provider=SQLite;Data Source=" + file;
    if (mis) return MakeSampleMis(file, connection);
    if (CreateConfigSchema(connection.c_str()) != 2) {
        std::fprintf(stderr, "ghdb sample: could not create the tables in %s\n", file.c_str());
        RemoveDatabaseFile(file);
        return 1;
    }
    CBaseClassAccess* access = CBaseClassAccess::CreateInstance(connection.c_str());
    if (!access) {
        RemoveDatabaseFile(file);
        return 1;
    }
    std::string failure;
    const bool built = BuildSampleCatalogue(*access, failure) && BuildSamplePipes(*access, failure);
    access->ReleaseInstance();
    if (!built) {
        std::fprintf(stderr, "ghdb sample: %s; %s removed\n", failure.c_str(), file.c_str());
        RemoveDatabaseFile(file);
        return 1;
    }
    std::printf("created sample planning catalogue %s\n", file.c_str());
    return 0;
}

}  // namespace ghdb::tool
