#include <string>
#include <vector>

#include "tools/ghdb/SampleCatalogue.h"
#include "tools/ghdb/SampleSteps.h"

namespace ghdb::tool {

namespace {

struct SampleFont {
    const char* style;
    const char* file;
    const char* bigFont;
};

// The line types defined by a line-type file, or the blocks held by a drawing file.
struct SampleCADFile {
    const char* file;
    std::vector<const char*> lineTypes;
    std::vector<const char*> blocks;
};

struct SampleSheet {
    const char* file;
    float minX, minY;
};

struct SampleBaseMap {
    long groupId;
    const char* name;
    const char* type;
    long scale;
    const char* table;
    std::vector<SampleSheet> sheets;
};

// Settings of one business workflow: the subject per phase and of the whole flow, the red-line
// right per phase, and the fields of the red-line layer that feed the business table.
struct SampleWorkflow {
    const char* id;
    long flowSubject;
    std::vector<long> phaseSubjects;  // phase 1, 2, ...
    std::vector<const char*> phaseRights;
    std::vector<std::pair<const char*, const char*>> fieldMaps;  // layer field, business field
};

const std::vector<SampleFont> kFonts = {
    {"HZ", "txt.shx", "hztxt.shx"},
    {"Standard", "simplex.shx", "gbcbig.shx"},
};

const std::vector<SampleCADFile> kCADFiles = {
    {"ghplan.lin", {"GH_HX", "GH_LX", "GH_ZX"}, {}},
    {"acad.lin", {"CONTINUOUS", "DASHED"}, {}},
    {"ghsymbol.dwg", {}, {"指北针", "图框", "测量控制点"}},
};

// Sheets of 500 m, named after their lower-left corner.
const std::vector<SampleBaseMap> kBaseMaps = {
    {1,
     "地形图",
     "DWG",
     500,
     "GHCAD_DXT500",
     {{"DXT500-3410.0-440.0.dwg", 39440000.0f, 3410000.0f},
      {"DXT500-3410.0-440.5.dwg", 39440500.0f, 3410000.0f},
      {"DXT500-3410.5-440.0.dwg", 39440000.0f, 3410500.0f}}},
    {2,
     "规划总图",
     "DWG",
     2000,
     "GHCAD_GHZT2000",
     {{"GHZT2000-3410-440.dwg", 39440000.0f, 3410000.0f}}},
};
constexpr float kSheetSize = 500.0f;

constexpr const char* kRedLineLayer = "SP_YDHX";
const std::vector<SampleWorkflow> kWorkflows = {
    {"WF2023001", 1, {1, 2}, {"edit", "view"}, {{"XKZH", "PermitNo"}}},
    {"WF2024001",
     2,
     {1, 2, 2},
     {"edit", "edit", "view"},
     {{"XKZH", "PermitNo"}, {"JSDW", "Builder"}}},
};

void AddCADStyles(CBaseClassAccess& access) {
    CArray<CCADFontStyle, CCADFontStyle&> fonts;
    for (const SampleFont& plan : kFonts) {
        CCADFontStyle font;
        font.StyleName = plan.style;
        font.FileName = plan.file;
        font.BigFontFileName = plan.bigFont;
        fonts.Add(font);
    }
    Expect(access.EditCADFontStyles(fonts), 2, "storing the CAD font styles");
    for (const SampleCADFile& plan : kCADFiles) {
        CArray<CCADLineStyle, CCADLineStyle&> lineTypes;
        for (const char* name : plan.lineTypes) {
            CCADLineStyle lineType;
            lineType.Name = name;
            lineType.FileName = plan.file;
            lineTypes.Add(lineType);
        }
        CArray<CCADBlockName, CCADBlockName&> blocks;
        for (const char* name : plan.blocks) {
            CCADBlockName block;
            block.Name = name;
            block.FileName = plan.file;
            blocks.Add(block);
        }
        Expect(access.EditCADLineStylesOfFile(plan.file, lineTypes), 2,
               "storing the line types of " + Named("file", plan.file));
        Expect(access.EditCADBlockNamesOfFile(plan.file, blocks), 2,
               "storing the blocks of " + Named("file", plan.file));
    }
}

void AddBaseMaps(CBaseClassAccess& access) {
    CAutoReleaseArray<CKGBaseMap*, CKGBaseMap*&> groups;
    for (const SampleBaseMap& plan : kBaseMaps) {
        auto* group = new CKGBaseMap;
        groups.Add(group);
        group->GroupID = plan.groupId;
        group->GroupName = plan.name;
        group->Type = plan.type;
        group->Scale = plan.scale;
        group->DisplayScale = static_cast<double>(plan.scale);
        group->TableName = plan.table;
        group->HisTableName = CString(plan.table) + "_HIS";
        group->SpatialIndexId = plan.groupId;
        Expect(access.CreateBaseMapTable(plan.table), 2,
               "creating the file tables of " + Named("base map", plan.table));

        CAutoReleaseArray<CKGMapWidthIndex*, CKGMapWidthIndex*&> sheets;
        for (const SampleSheet& sheetPlan : plan.sheets) {
            auto* sheet = new CKGMapWidthIndex;
            sheets.Add(sheet);
            sheet->SpatialIndexId = plan.groupId;
            sheet->FileName = sheetPlan.file;
            sheet->MinX = sheetPlan.minX;
            sheet->MinY = sheetPlan.minY;
            sheet->MaxX = sheetPlan.minX + kSheetSize;
            sheet->MaxY = sheetPlan.minY + kSheetSize;
            sheet->CanSell = plan.scale <= 500;
        }
        Expect(access.UpdateKidsMapWidthIndex(plan.groupId, sheets), 2,
               "storing the sheets of " + Named("base map", plan.table));
    }
    Expect(access.UpdateAllBaseMapGroup(groups), 2, "storing the base-map groups");
}

// The index of each field of the layer, by field name.
long FieldIndexOf(CBaseClassAccess& access, long layerId, const char* fieldName) {
    CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*> fields;
    Expect(access.GetLayerFieldInfo(layerId, fields), 2,
           "reading the fields of the red-line layer");
    for (const CGISFieldInfo* field : fields)
        if (field->FieldName == fieldName) return field->Sequence;
    throw StepFailed{"the red-line layer has no " + Named("field", fieldName)};
}

void AddRedLineSettings(CBaseClassAccess& access) {
    CGISLayer layer;
    Expect(access.GetGISLayerInfo(CString(kRedLineLayer), layer, 1), 2,
           "finding " + Named("layer", kRedLineLayer));
    for (const SampleWorkflow& plan : kWorkflows) {
        const std::string what = Named("workflow", plan.id);
        CGHRLFlowMap flow;
        flow.FlowID = plan.id;
        flow.SubjectID = plan.flowSubject;
        Expect(access.EditFlowSubject(flow), 2, "storing the subject of " + what);
        for (std::size_t i = 0; i < plan.phaseSubjects.size(); ++i) {
            const long phase = static_cast<long>(i) + 1;
            CGHRLPhaseSubject subject;
            subject.WorkFlowID = plan.id;
            subject.PhaseNo = phase;
            subject.SubjectID = plan.phaseSubjects[i];
            Expect(access.EditPhaseSubject(subject), 2, "storing the phase subjects of " + what);
            CGHRLEditRight right;
            right.WorkFlowID = plan.id;
            right.PhaseNo = phase;
            right.HXRight = plan.phaseRights[i];
            Expect(access.EditRedLineRight(right), 2, "storing the red-line rights of " + what);
        }
        CArray<CGHRLFieldMap, CGHRLFieldMap&> maps;
        for (const auto& [layerField, businessField] : plan.fieldMaps) {
            CGHRLFieldMap map;
            map.WorkFlowID = plan.id;
            map.LayerID = layer.LayerID;
            map.FieldIndex = FieldIndexOf(access, layer.LayerID, layerField);
            map.TableName = "OA_Project";
            map.OAFieldName = businessField;
            maps.Add(map);
        }
        Expect(access.EditRedLineFieldMap(plan.id, maps), 2, "storing the field maps of " + what);
    }
}

}  // namespace

void AddSampleCadAndRedLine(CBaseClassAccess& access) {
    AddCADStyles(access);
    AddBaseMaps(access);
    AddRedLineSettings(access);
}

}  // namespace ghdb::tool
