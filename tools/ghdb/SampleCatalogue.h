#pragma once

#include <string>
#include <vector>

#include "ghdb.h"

namespace ghdb::tool {

// The sample planning catalogue, as data: what BuildSampleCatalogue stores.

struct SampleSpacialDB {
    const char* alias;
    const char* server;
    const char* dbName;
    const char* user;
    // Empty parameters are stored as the placeholder of the packed connection text.
    const char* password;
    const char* dbType;
    const char* port;
    const char* arcWebService;
};

// A field of the layer's own, stored after its system fields.
struct SampleField {
    const char* name;
    const char* alias;
    long dataType;
    long length;
    long precise;
    // A unit code (1 to 5), or -1 for none.
    long unit;
};

// A relation of type 2 between fields of the layer.
struct SampleRelation {
    const char* fields;
    const char* describe;
};

struct SampleCADLayer {
    const char* name;
    const char* alias;
    long type;
    long color;
    const char* lineName;
    const char* fontName;
    double lineWidth;
    const char* patternName;
};

// The CAD layers that every layer of a group is drawn on, under one parse id.
struct SampleFigureLayer {
    const char* name;
    std::vector<SampleCADLayer> cadLayers;
};

enum SampleDatabase { kPlanningDB = 0, kSurveyDB = 1 };

struct SampleLayer {
    const char* name;
    const char* alias;
    long shapeType;
    // Index into SampleSpacialDBs(). Layers of the planning database are edited through
    // projects, so they also carry verify and update settings.
    SampleDatabase database;
    // Built by the library's system-field builder, stored first and in this order.
    std::vector<const char*> systemFields;
    std::vector<SampleField> userFields;
    std::vector<SampleRelation> relations;
};

struct SampleGroup {
    const char* name;
    const char* remark;
    std::vector<SampleGroup> kids;
    std::vector<SampleLayer> layers;
    // When it has CAD layers, the group's layers share it; otherwise each layer's extension gets
    // a parse id of its own and no figure layer.
    SampleFigureLayer figure;
};

const std::vector<SampleSpacialDB>& SampleSpacialDBs();
// The root groups of the layer-group tree.
const std::vector<SampleGroup>& SampleGroups();

// Stores CAD styles, base-map groups with their sheets and file tables, and red-line settings
// of two workflows through `access`'s own operations; the field maps name the layers of the
// sample tree, which must be stored first. Throws StepFailed naming the step that failed.
void AddSampleCadAndRedLine(CBaseClassAccess& access);

// Stores the sample catalogue into an empty catalogue through `access`'s own operations, all of
// it or, when a step fails, nothing; `failure` then names the step (the database error has been
// shown). Layers get the ids 1, 2, 3 ... in the order of the tree, each group's layers before
// its kids'.
bool BuildSampleCatalogue(CBaseClassAccess& access, std::string& failure);

}  // namespace ghdb::tool
