#pragma once

#include <string>
#include <vector>

#include "ghdb.h"

namespace ghdb::tool {

// The sample's system configuration, as data: what StoreSampleConfiguration stores beside the
// sample catalogue.

struct SampleSetting {
    const char* name;
    const char* value;
    const char* remark;
};

// A main-menu entry; entries get the ids 1, 2, 3 ... in list order.
struct SampleMenuEntry {
    const char* treeCode;
    const char* name;
    bool popUp;
    bool separator;
    // The function the entry runs, -1 for none; also assigned to `layers`.
    long functionId;
    std::vector<const char*> layers;
};

struct SampleSpecialty {
    long id;
    const char* name;
    const char* menu;
    // Names of sample layers of the specialty.
    std::vector<const char*> layers;
};

struct SampleInfoURL {
    const char* key;
    const char* url;
    const char* remark;
};

const std::vector<SampleSetting>& SampleSettings();
constexpr long kSampleVersionCode = 3;
const std::vector<SampleMenuEntry>& SampleMenu();
const std::vector<SampleSpecialty>& SampleSpecialties();
const std::vector<SampleInfoURL>& SampleInfoURLs();

// Stores the sample configuration through `access`'s own operations, naming sample layers that
// are stored already; stops at the first step that fails. Empty when done, else that step.
std::string StoreSampleConfiguration(CBaseClassAccess& access);

}  // namespace ghdb::tool
