#pragma once

#include <string>
#include <vector>

namespace ghdb::tool {

// The sample MIS (business workflow) database, as data: what BuildSampleMis stores.

struct SampleMisField {
    const char* name;
    const char* alias;
    short dataType;
    short length;
    bool primaryKey;
};

struct SampleMisTable {
    const char* name;
    const char* alias;
    std::vector<SampleMisField> fields;
};

// A workflow code with two versions: version 2 adds the phase `addedPhase` before the last one.
// Each version's form holds the tables of `tables` (names of SampleMisTables()).
struct SampleMisWorkFlow {
    const char* code;
    const char* name;
    short flowType;
    const char* note;
    std::vector<const char*> phases;
    const char* addedPhase;
    std::vector<const char*> tables;
    // Version 1 is no longer active.
    bool firstRetired;
};

struct SampleMisBusiness {
    const char* code;
    const char* name;
    std::vector<SampleMisWorkFlow> workFlows;
};

struct SampleMisSubSystem {
    const char* code;
    const char* name;
    std::vector<SampleMisBusiness> businesses;
};

const std::vector<SampleMisTable>& SampleMisTables();
// The sub-systems under the root system "GH" (which is stored too, without a parent).
const std::vector<SampleMisSubSystem>& SampleMisSubSystems();

// The id of a version of a workflow code.
std::string SampleFlowId(const char* code, int version);

// Creates the MIS tables on the database of `connectionString` (an embedded file is created)
// and stores the sample in them, all of it or nothing; `failure` tells what went wrong. The
// library only reads MIS data, so the rows are written with statements of their own.
bool BuildSampleMis(const std::string& connectionString, std::string& failure);

}  // namespace ghdb::tool
