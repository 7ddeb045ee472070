#pragma once

#include <vector>

#include "ghdb.h"

namespace ghdb::tool {

// The sample's subjects, application classes and site locations, as data: what
// AddSampleSubjects stores. Layers and layer groups are named as the sample tree names them.

// A subject with the layers assigned to it, named by layer name, in display order.
struct SampleSubject {
    // Default subjects carry their own id; custom subjects get theirs from the library (0).
    long id;
    const char* name;
    std::vector<const char*> layers;
    std::vector<SampleSubject> kids;
};

struct SampleSubjectType {
    long type;
    // The top-level subjects filed under the type, in its order.
    std::vector<SampleSubject> subjects;
};

// A member of an application class: a layer or a layer group, by name.
struct SampleApplyMember {
    const char* name;
    bool isGroup;
};

struct SampleApplyClass {
    const char* name;
    std::vector<SampleApplyMember> members;
};

struct SampleSiteLocation {
    const char* location;
    const char* subLocation;
    const char* layer;
    const char* field;
};

const std::vector<SampleSubjectType>& SampleSubjectTypes();
// The custom root -100 and the custom subjects below it.
const SampleSubject& SampleCustomSubjects();
// The classes of application-class identifier kSampleApplyClassID.
constexpr long kSampleApplyClassID = 1;
const std::vector<SampleApplyClass>& SampleApplyClasses();
const std::vector<SampleSiteLocation>& SampleSiteLocations();

// Stores the subjects with their layers and filings, the custom subjects, the application
// classes and the site locations through `access`'s own operations; the layers and groups they
// name must be stored first. Throws StepFailed naming the step that failed.
void AddSampleSubjects(CBaseClassAccess& access);

}  // namespace ghdb::tool
