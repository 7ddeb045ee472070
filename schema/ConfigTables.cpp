// Tables of the configuration database, in the column order of their record classes.
//
// Keys that the database assigns are identity columns; keys that the library or its host write
// (layer ids, subject ids, group ids, ...) are plain indexed columns without a primary key,
// because replace-all writes and unchecked inserts can store the same key twice.

#include "schema/Tables.h"

namespace ghdb::schema {
namespace {

using enum ColumnType;

constexpr int kName = 255;  // names, codes, file and field names
constexpr int kLong = 0;    // remarks, descriptions, addresses and other free text
constexpr bool kIdentity = true;
constexpr int kFlagString = 15;          // one "0"/"1" per drawing entity kind or check
constexpr int kUpdateFlags = 4;          // one "0"/"1" per update rule
constexpr int kPackedConnection = 2047;  // six packed connection parameters with their labels

// Layer catalogue

constexpr ColumnDef kSpacialDBInfo[] = {
    {"DBID", Int, 0, kIdentity},
    {"DBAlias", Text, kName},
    {"ConnectionString", Text, kPackedConnection},
    {"ConvertArcWebService", Text, kLong},
};

constexpr ColumnDef kLayerGroup[] = {
    {"LayerGroupID", Int, 0, kIdentity}, {"ParentGroupID", Int},  {"DispOrder", Int},
    {"LayerGroupName", Text, kName},     {"Remark", Text, kLong},
};
constexpr IndexDef kLayerGroupIx[] = {{"ParentGroupID, DispOrder"}, {"LayerGroupName"}};

constexpr ColumnDef kLayer[] = {
    {"IsDynamicLayer", Bool},
    {"IsLabeled", Bool},
    {"LayerID", Int},
    {"ShapeType", Int},
    {"DBID", Int},
    {"WebLayerID", Int},
    {"SymbolType", Int},
    {"MinScale", Real},
    {"MaxScale", Real},
    {"SpatialMinX", Double},
    {"SpatialMinY", Double},
    {"SpatialMaxX", Double},
    {"SpatialMaxY", Double},
    {"MeaningID", Int},
    {"LayerName", Text, kName},
    {"LayerAlias", Text, kName},
    {"SU_UserID", Text, kName},
    {"RealLayerID", Text, kName},
    {"Remark", Text, kLong},
    {"QueryField", Text, kName},
    {"PrimaryField", Text, kName},
    {"URL", Text, kLong},
    {"LabelField", Text, kName},
    // Symbols are engine-specific binary data; a "Vexor" database keeps them as text chunks.
    {"Symbol", Blob},
    {"LabelSymbol", Blob},
};
constexpr IndexDef kLayerIx[] = {{"LayerID"}, {"DBID"}, {"MeaningID"}};

constexpr ColumnDef kLayerGroupLayerRelation[] = {
    {"LayerGroupID", Int},
    {"LayerID", Int},
    {"DispOrder", Int},
};
constexpr IndexDef kLayerGroupLayerRelationIx[] = {{"LayerGroupID, DispOrder"}, {"LayerID"}};

constexpr ColumnDef kFieldInfo[] = {
    {"IsWritable", Bool},
    {"IsNullable", Bool},
    {"LayerID", Int},
    {"OutXDataIndex", Int},
    {"DataType", Int},
    {"EnumType", Int},
    {"Length", Int},
    {"Precise", Int},
    {"Sequence", Int},
    {"FieldName", Text, kName},
    {"FieldAlias", Text, kName},
    {"EnumUnitType", SmallInt},
    // Carries a default of any field type; stored in its text form.
    {"DefaultValue", Text, kName},
    {"PageNum", SmallInt},
    {"StatusInfo", SmallInt},
    {"PropCtrlType", SmallInt},
};
constexpr IndexDef kFieldInfoIx[] = {{"LayerID, Sequence"}};

constexpr ColumnDef kLayerEx[] = {
    {"LayerID", Int},
    {"LayerParseID", Int},
    {"DrawOrder", Int},
    {"GuideParamID", Int},
    {"CodeLayerID", Int},
    {"CodeDigit", Int},
    {"DefCodeSeed", Int},
    {"DWGEntType", Text, kFlagString},
    {"DefCodePrefix", Text, kName},
    {"CodePrefixField", Text, kName},
    {"CodeSeedField", Text, kName},
    {"DefCodeFixType", Int},
    {"StandardField", Text, kName},
    {"LabelField", Text, kName},
};
constexpr IndexDef kLayerExIx[] = {{"LayerID"}, {"LayerParseID"}};

constexpr ColumnDef kVerifyUpdate[] = {
    {"LayerID", Int},
    {"ProjectLayerID", Int},
    {"VerifyType", Text, kFlagString},
    {"UpdateType", Text, kUpdateFlags},
    {"UpdateKey", Text, kName},
    {"LayerNameAdd", Text, kName},
    {"LayerNameHis", Text, kName},
};
constexpr IndexDef kVerifyUpdateIx[] = {{"LayerID"}, {"ProjectLayerID"}};

constexpr ColumnDef kFigureLayerIndex[] = {
    {"ParseID", Int},
    {"Name", Text, kName},
};
constexpr IndexDef kFigureLayerIndexIx[] = {{"ParseID"}};

constexpr ColumnDef kFigureLayer[] = {
    {"StandardValue", Text, kName},
    {"LayerName", Text, kName},
    {"LayerAlias", Text, kName},
    {"LineName", Text, kName},
    {"FontName", Text, kName},
    {"BlockName", Text, kName},
    {"ParseID", Int},
    {"Type", Int},
    {"GISInnerID", SmallInt},
    {"ParentInnerID", SmallInt},
    {"LayerColor", Int},
    {"LineWidth", Double},
    {"LineScale", Double},
    {"FontHeight", Double},
    {"BlockDirection", Double},
    {"BlockScaleX", Double},
    {"BlockScaleY", Double},
    {"BlockScaleZ", Double},
    {"Sequence", SmallInt},
    {"TCHatchName", Text, kName},
    {"ClassInfo", Text, kName},
    {"PatternName", Text, kName},
    {"PatternScale", Double},
    {"PatternAngle", Double},
    {"LayerRGBColor", Int},
};
constexpr IndexDef kFigureLayerIx[] = {{"ParseID, Type, Sequence, LayerName"}};

constexpr ColumnDef kFieldsRelConfig[] = {
    {"LayerID", Int},     {"FID", Int, 0, kIdentity},      {"EnuRelationType", Int},
    {"RelationPri", Int}, {"RelationFields", Text, kLong}, {"RelationDescribe", Text, kLong},
    {"ShowType", Int},
};
constexpr IndexDef kFieldsRelConfigIx[] = {{"LayerID, EnuRelationType"}};

constexpr ColumnDef kFieldEnumDef[] = {
    {"ID", Int, 0, kIdentity}, {"EnumText", Text, kName}, {"EnumValue", Int},
    {"EnumType", Int},         {"Sequence", Int},         {"EnumDescribe", Text, kLong},
};
constexpr IndexDef kFieldEnumDefIx[] = {{"EnumType, Sequence"}};

constexpr ColumnDef kPageInfo[] = {
    {"PageNum", SmallInt},
    {"PageName", Text, kName},
    {"LayerId", Int},
};
constexpr IndexDef kPageInfoIx[] = {{"LayerId, PageNum"}};

// Thematic subjects

constexpr ColumnDef kDefaultSubject[] = {
    {"SubjectID", Int},           {"SubjectType", Int},    {"QueryLayer", Int},
    {"SubjectName", Text, kName}, {"Remark", Text, kLong}, {"ParentID", Int},
    {"OrderIndex", Int},
};
constexpr IndexDef kDefaultSubjectIx[] = {{"SubjectID"}, {"ParentID, OrderIndex"}};

constexpr ColumnDef kSubjectLayers[] = {
    {"SubjectID", Int},
    {"LayerID", Int},
    {"LayerOrder", Int},
};
constexpr IndexDef kSubjectLayersIx[] = {{"SubjectID, LayerOrder"}, {"LayerID"}, {"LayerOrder"}};

constexpr ColumnDef kSubjectClass[] = {
    {"SubjectType", Int},
    {"SubjectID", Int},
    {"SubjectOrder", Int},
};
constexpr IndexDef kSubjectClassIx[] = {{"SubjectType, SubjectOrder"}, {"SubjectID"}};

constexpr ColumnDef kApplyClass[] = {
    {"ApplyClassID", Int},
    {"ApplyClassName", Text, kName},
    {"DataObjectID", Int},
    {"DataObjectType", SmallInt},
};
constexpr IndexDef kApplyClassIx[] = {{"ApplyClassID, ApplyClassName"},
                                      {"DataObjectType, DataObjectID"}};

constexpr ColumnDef kSiteLocation[] = {
    {"LocationName", Text, kName},
    {"SubLocationName", Text, kName},
    {"LayerID", Int},
    {"FieldName", Text, kName},
};

// Road design standards

constexpr ColumnDef kLevelConfig[] = {
    {"LevelID", Int},
    {"LevelName", Text, kName},
};
constexpr IndexDef kLevelConfigIx[] = {{"LevelID"}};

constexpr ColumnDef kMeaningConfig[] = {
    {"MeaningID", Int},
    {"ParentID", Int},
    {"MeaningName", Text, kName},
    {"sequence", Int},
};
constexpr IndexDef kMeaningConfigIx[] = {{"MeaningID"}};

// RadiusID is written by the bulk replace and referenced by road standards, so it stays
// application-assigned: an identity would renumber the radii on every replace.
constexpr ColumnDef kRoadDefaultRadiusConfig[] = {
    {"RadiusID", Int}, {"enuRoadGrade1", Int}, {"enuRoadGrade2", Int}, {"enuRoadLineType", Int},
    {"LineType", Int}, {"enuCornerType", Int}, {"Radius", Double},
};

constexpr ColumnDef kRoadCornerOfCrossConfig[] = {
    {"ID", Int, 0, kIdentity},
    {"RoadGrade1", Int},
    {"RoadGrade2", Int},
    {"Angle_Start", Double},
    {"Angle_End", Double},
    {"RoadlineType", Int},
    {"RoadWidth1_Start", Double},
    {"RoadWidth1_End", Double},
    {"RoadWidht2_Start", Double},  // sic: the stored column name
    {"RoadWidth2_End", Double},
    {"CornerType", Int},
    {"Radius", Double},
    {"RoadTuoParamFirst", Text, kName},
    {"RoadTuoParamSecond", Text, kName},
    {"GreenLength", Double},
    {"TuoCircle", Int},
};

constexpr ColumnDef kRoadLayerConfig[] = {
    {"MLayerID", Int}, {"IsCityRoad", Bool}, {"HasRoadTypes", Int}, {"RLayerID", Int},
    {"ELayerID", Int}, {"GLayerID", Int},    {"TLayerID", Int},
};
// A layer is removed from the standards by any of the five layer columns.
constexpr IndexDef kRoadLayerConfigIx[] = {
    {"MLayerID"}, {"RLayerID"}, {"ELayerID"}, {"GLayerID"}, {"TLayerID"}};

constexpr ColumnDef kRoadStandardBoardConfig[] = {
    {"RoadStandardID", Int},
    {"RoadBoardID", Int},
};

constexpr ColumnDef kRoadStandardRadiusInfoConfig[] = {
    {"RoadStandardID", Int},
    {"RoadTypeID", Int},
    {"RadiusID", Int},
};

constexpr ColumnDef kRoadBoardInfoConfig[] = {
    {"BoardID", Int},
    {"RoadType", Int},
    {"BoardName", Text, kName},
};

constexpr ColumnDef kRoadWayConfig[] = {
    {"RoadWayID", Int},
    {"RoadWayName", Text, kName},
};

constexpr ColumnDef kRoadWaySceneConfig[] = {
    {"RoadWayID", Int},
    {"ScenBlockName", Text, kName},
};
constexpr IndexDef kRoadWaySceneConfigIx[] = {{"RoadWayID"}};

constexpr ColumnDef kRoadBoardFieldConfig[] = {
    {"RoadBoardID", Int}, {"Sequence", Int}, {"RoadWayID", Int},
    {"Pos", Int},         {"Width", Double}, {"ScenBlockName", Text, kName},
};

constexpr ColumnDef kRoadBoardParaConfig[] = {
    {"BoardID", Int},
    {"Order", Int},
    {"Width_List", Text, kLong},
};

// System configuration

constexpr ColumnDef kConfigInfo[] = {
    {"ConfigItemName", Text, kName},
    {"ConfigItemValue", Text, kLong},
    {"ConfigRemark", Text, kLong},
};
constexpr IndexDef kConfigInfoIx[] = {{"ConfigItemName"}};

constexpr ColumnDef kVersionInfo[] = {
    {"ServerName", Text, kName},
    {"VerMajor", Int},
    {"VerMinor", Int},
};

constexpr ColumnDef kDownLoadTables[] = {
    {"DownTableName", Text, kName},
};

constexpr ColumnDef kMainMenu[] = {
    {"TreeCode", Text, kName}, {"Separator", Bool},     {"ItemName", Text, kName},
    {"PopUp", Bool},           {"ItemID", Int},         {"FunctionID", Int},
    {"InfoTip", Text, kLong},  {"Remark", Text, kLong}, {"Reserve", Text, kLong},
};
constexpr IndexDef kMainMenuIx[] = {{"ItemID"}};

constexpr ColumnDef kSpecialty[] = {
    {"SpecialtyID", Int},    {"SpecialtyName", Text, kName}, {"SpecialtyMenu", Text, kName},
    {"Remark", Text, kLong}, {"Reserve", Text, kLong},
};
constexpr IndexDef kSpecialtyIx[] = {{"SpecialtyID"}};

constexpr ColumnDef kGISLayerSpecialty[] = {
    {"LayerID", Int},
    {"SpecialtyID", Int},
};

constexpr ColumnDef kFunTypeDef[] = {
    {"FUNID", Int},
    {"Name", Text, kName},
    {"FuncKey", Text, kName},
    {"CommandName", Text, kName},
    {"ArxName", Text, kName},
    {"SysName", Text, kName},
    {"Type", Int},
    {"Sequence", Int},
    {"IsMultiLayer", Bool},
    {"GISLayerType", Int},
};
constexpr IndexDef kFunTypeDefIx[] = {{"FUNID"}};

constexpr ColumnDef kFunLayerConfig[] = {
    {"FunID", Int},
    {"LayerID", Int},
};
constexpr IndexDef kFunLayerConfigIx[] = {{"FunID"}, {"LayerID"}};

constexpr ColumnDef kMISInfoURL[] = {
    {"KeyName", Text, kName},
    {"MISInfoURL", Text, kLong},
    {"Remark", Text, kLong},
};

// CAD resources and base maps

constexpr ColumnDef kFontConfig[] = {
    {"StyleName", Text, kName},
    {"FileName", Text, kName},
    {"BigFontFileName", Text, kName},
};

constexpr ColumnDef kLineBlockConfig[] = {
    {"Name", Text, kName},
    {"Type", Int},
    {"FileName", Text, kName},
};
constexpr IndexDef kLineBlockConfigIx[] = {{"Type, FileName"}};

// The group record reads and writes the display scale as DisplayScale; only the group
// replace-all names it DisScale, and that one column is then skipped.
constexpr ColumnDef kFileGroup[] = {
    {"GroupID", Int},         {"GroupName", Text, kName}, {"Type", Text, kName},
    {"Scale", Int},           {"TableName", Text, kName}, {"HisTableName", Text, kName},
    {"DisplayScale", Double}, {"SpatialIndexId", Int},
};
constexpr IndexDef kFileGroupIx[] = {{"GroupID"}, {"GroupName, Scale, Type"}};

constexpr ColumnDef kFileSpatial[] = {
    {"SpatialIndexId", Int}, {"FileName", Text, kName},
    {"MinX", Real},          {"MinY", Real},
    {"MaxX", Real},          {"MaxY", Real},
    {"CanSell", Bool},
};
constexpr IndexDef kFileSpatialIx[] = {{"SpatialIndexId, FileName"}};

// Red-line workflow settings

constexpr ColumnDef kPhaseSubject[] = {
    {"WorkFlowID", Text, kName},
    {"PhaseNo", Int},
    {"SubjectID", Int},
};
constexpr IndexDef kPhaseSubjectIx[] = {{"WorkFlowID, PhaseNo"}};

constexpr ColumnDef kFlowMap[] = {
    {"FlowID", Text, kName},
    {"SubjectID", Int},
};
constexpr IndexDef kFlowMapIx[] = {{"FlowID"}};

constexpr ColumnDef kHXEditRight[] = {
    {"WorkFlowID", Text, kName},
    {"PhaseNo", Int},
    {"HXRight", Text, kName},
};
constexpr IndexDef kHXEditRightIx[] = {{"WorkFlowID, PhaseNo"}};

constexpr ColumnDef kFieldMap[] = {
    {"WorkFlowID", Text, kName},  {"LayerID", Int}, {"FieldIndex", Int}, {"TableName", Text, kName},
    {"OAFieldName", Text, kName},
};
constexpr IndexDef kFieldMapIx[] = {{"WorkFlowID"}};

// Pipeline settings: their measures are single-precision values.

constexpr ColumnDef kPipeDatasetDef[] = {
    {"DatasetID", Int},        {"DatasetName", Text, kName},
    {"ApplyType", Int},        {"PipeDataClass", Int},
    {"DataType", Int},         {"DataSrc", Text, kName},
    {"IsMapSheet", Bool},      {"MapSheetScale", Text, kName},
    {"FileName", Text, kName}, {"Sequence", Int},
    {"Remark", Text, kLong},
};
constexpr IndexDef kPipeDatasetDefIx[] = {{"Sequence"}};

// Sequence has no member in the pipe-type record; the pipe types are listed in its order.
constexpr ColumnDef kPipeTypeDef[] = {
    {"PipeName", Text, kName}, {"PipeCode", Text, kName}, {"PipePointLayerID", Int},
    {"PipeLineLayerID", Int},  {"Sequence", Int},
};
constexpr IndexDef kPipeTypeDefIx[] = {{"Sequence"}};

constexpr ColumnDef kPipeSpecFieldDef[] = {
    {"DefName", Text, kName},
    {"LayerID", Int},
    {"FieldName", Text, kName},
    {"TFScale", Text, kName},
};

constexpr ColumnDef kPipePredefineFieldDef[] = {
    {"PipeCode", Text, kName}, {"PredefineField", Text, kName}, {"Describe", Text, kLong},
    {"LayerID", Int},          {"FieldName", Text, kName},
};

constexpr ColumnDef kPipeLabelBlock[] = {
    {"PipeName", Text, kName},
    {"PipeCode", Text, kName},
    {"PipeLayerId", Int},
    {"LabelBlock", Text, kName},
    {"DirectBlock", Text, kName},
    {"LabDirBlock", Text, kName},
    {"BlockXScale", Real},
    {"BlockYScale", Real},
    {"BlockZScale", Real},
    {"BlockDirect", Int},
    {"BlockLabelLayer", Text, kName},
    {"BlockDirectLayer", Text, kName},
    {"BlockLabDirLayer", Text, kName},
    {"DiameterLayer", Text, kName},
    {"BlockLabelDist", Real},
    {"BlockDirDist", Real},
    {"DiameterDist", Real},
};

constexpr ColumnDef kPipeFuncFontHeiDef[] = {
    {"FuncNo", Int},
    {"FuncName", Text, kName},
    {"FuncFontHei", Real},
};

constexpr ColumnDef kPipeHStandardDef[] = {
    {"PType1", Text, kName},  {"MType1", Int},          {"DSType1", Text, kName},
    {"PrType1", Text, kName}, {"PType2", Text, kName},  {"MType2", Int},
    {"DSType2", Text, kName}, {"PrType2", Text, kName}, {"HDist", Real},
};

constexpr ColumnDef kPipeVStandardDef[] = {
    {"PType1", Text, kName}, {"PType2", Text, kName}, {"MType1", Int},
    {"MType2", Int},         {"VDist", Real},
};

constexpr ColumnDef kPipeCStandardDef[] = {
    {"PType", Text, kName},
    {"MType", Int},
    {"WDeep", Real},
    {"DDeep", Real},
};

constexpr TableDef kConfigTables[] = {
    {"GHGIS_SpacialDBInfo", kSpacialDBInfo, {}},
    {"GHGIS_LayerGroup", kLayerGroup, kLayerGroupIx},
    {"GHGIS_Layer", kLayer, kLayerIx},
    {"GHGIS_LayerGroupLayerRelation", kLayerGroupLayerRelation, kLayerGroupLayerRelationIx},
    {"GH_FieldInfo", kFieldInfo, kFieldInfoIx},
    {"GH_LayerEx", kLayerEx, kLayerExIx},
    {"GH_VerifyUpdate", kVerifyUpdate, kVerifyUpdateIx},
    {"GH_FigureLayerIndex", kFigureLayerIndex, kFigureLayerIndexIx},
    {"GH_FigureLayer", kFigureLayer, kFigureLayerIx},
    {"GH_FieldsRelConfig", kFieldsRelConfig, kFieldsRelConfigIx},
    {"GHSJ_FieldEnumDef", kFieldEnumDef, kFieldEnumDefIx},
    {"GHGIS_PageInfo", kPageInfo, kPageInfoIx},
    {"GHGIS_DefaultSubject", kDefaultSubject, kDefaultSubjectIx},
    {"GHGIS_SubjectLayers", kSubjectLayers, kSubjectLayersIx},
    {"GHGIS_SubjectClass", kSubjectClass, kSubjectClassIx},
    {"GHGIS_ApplyClass", kApplyClass, kApplyClassIx},
    {"GHGIS_SiteLocation", kSiteLocation, {}},
    {"GHSJ_GHLevelConfig", kLevelConfig, kLevelConfigIx},
    {"GHSJ_GHMeaningConfig", kMeaningConfig, kMeaningConfigIx},
    {"GHSJ_RoadDefaultRadiusConfig", kRoadDefaultRadiusConfig, {}},
    {"GHSJ_RoadCornerOfCrossConfig", kRoadCornerOfCrossConfig, {}},
    {"GHSJ_RoadLayerConfig", kRoadLayerConfig, kRoadLayerConfigIx},
    {"GHSJ_RoadStandardBoardConfig", kRoadStandardBoardConfig, {}},
    {"GHSJ_RoadStandardRadiusInfoConfig", kRoadStandardRadiusInfoConfig, {}},
    {"GHSJ_RoadBoardInfoConfig", kRoadBoardInfoConfig, {}},
    {"GHSJ_RoadWayConfig", kRoadWayConfig, {}},
    {"GHSJ_RoadWaySceneConfig", kRoadWaySceneConfig, kRoadWaySceneConfigIx},
    {"GHSJ_RoadBoardFieldConfig", kRoadBoardFieldConfig, {}},
    {"GHSJ_RoadBoardParaConfig", kRoadBoardParaConfig, {}},
    {"GH_ConfigInfo", kConfigInfo, kConfigInfoIx},
    {"GH_VersionInfo", kVersionInfo, {}},
    {"GHSJ_DownLoadTables", kDownLoadTables, {}},
    {"GHSJ_MainMenu", kMainMenu, kMainMenuIx},
    {"GHSJ_Specialty", kSpecialty, kSpecialtyIx},
    {"GHSJ_GISLayerSpecialty", kGISLayerSpecialty, {}},
    {"GHSJ_GHFunTypeDef", kFunTypeDef, kFunTypeDefIx},
    {"GHGIS_FunLayerConfig", kFunLayerConfig, kFunLayerConfigIx},
    {"GH_MISInfoURL", kMISInfoURL, {}},
    {"GH_FontConfig", kFontConfig, {}},
    {"GH_LineBlockConfig", kLineBlockConfig, kLineBlockConfigIx},
    {"GHCAD_FileGroup", kFileGroup, kFileGroupIx},
    {"GHCAD_FileSpatial", kFileSpatial, kFileSpatialIx},
    {"GHRL_PhaseSubject", kPhaseSubject, kPhaseSubjectIx},
    {"GHRL_FlowMap", kFlowMap, kFlowMapIx},
    {"GHRL_HXEditRight", kHXEditRight, kHXEditRightIx},
    {"GHRL_FieldMap", kFieldMap, kFieldMapIx},
    {"GH_PipeDatasetDef", kPipeDatasetDef, kPipeDatasetDefIx},
    {"GH_PipeTypeDef", kPipeTypeDef, kPipeTypeDefIx},
    {"GH_PipeSpecFieldDef", kPipeSpecFieldDef, {}},
    {"GH_PipePredefineFieldDef", kPipePredefineFieldDef, {}},
    {"GH_PipeLabelBlock", kPipeLabelBlock, {}},
    {"GH_PipeFuncFontHeiDef", kPipeFuncFontHeiDef, {}},
    {"GH_PipeHStandardDef", kPipeHStandardDef, {}},
    {"GH_PipeVStandardDef", kPipeVStandardDef, {}},
    {"GH_PipeCStandardDef", kPipeCStandardDef, {}},
};

}  // namespace

std::span<const TableDef> ConfigTables() {
    return kConfigTables;
}

}  // namespace ghdb::schema
