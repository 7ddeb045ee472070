#include <cstdio>
#include <iostream>

#include "ghdb.h"
#include "tools/ghdb/Commands.h"
#include "tools/ghdb/ConfigPrinter.h"

namespace ghdb::tool {

namespace {

// Prints every setting, then the main menu.
int ShowAll(CBaseClassAccess& access) {
    std::cout << "settings:\n";
    const bool settings = WriteSettings(access, std::cout);
    std::cout << "\nmain menu:\n";
    const bool menu = WriteMenuTree(access, std::cout);
    std::cout.flush();
    return settings && menu ? 0 : 1;
}

// Prints the value of the setting as the library reads it (the last row of that exact name).
int ShowOne(CBaseClassAccess& access, const std::string& name) {
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
    if (access.GetConfigItems(items) < 0) return 1;
    for (int i = items.GetSize() - 1; i >= 0; --i) {
        if (items[i].ConfigItemName != name.c_str()) continue;
        std::printf("%s\n", items[i].ConfigItemValue.str().c_str());
        return 0;
    }
    std::fprintf(stderr, "ghdb config: there is no setting named '%s'\n", name.c_str());
    return 1;
}

// Stores one setting through the configuration cache, as hosts do.
int StoreOne(CBaseClassAccess& access, const std::string& name, const std::string& value) {
    CLeadingConfig* config = CLeadingConfig::CreateInstanceEx(&access);
    const int stored = config->SetConfigItem(name.c_str(), value.c_str(), 1);
    config->ReleaseInstance();
    if (stored) return 0;
    std::fprintf(stderr, "ghdb config: could not store '%s'\n", name.c_str());
    return 1;
}

}  // namespace

int RunConfig(const Command& self, const Args& args) {
    if (args.empty() || args.size() > 3)
        return BadUsage(self, "expects a CONNECTION, then optionally a NAME and a VALUE");
    CBaseClassAccess* access =
        CBaseClassAccess::CreateInstance(ConnectionFromArgument(args[0]).c_str());
    if (!access) {
        std::fprintf(stderr, "ghdb config: could not open '%s'\n", args[0].c_str());
        return 1;
    }
    int status = 0;
    if (args.size() == 1) {
        status = ShowAll(*access);
    } else if (args[1].empty()) {
        status = BadUsage(self, "a setting's NAME must not be empty");
    } else if (args.size() == 2) {
        status = ShowOne(*access, args[1]);
    } else {
        status = StoreOne(*access, args[1], args[2]);
    }
    access->ReleaseInstance();
    return status;
}

}  // namespace ghdb::tool
