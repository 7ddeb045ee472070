#include "tools/ghdb/SampleCatalogue.h"

#include <map>

#include "tools/ghdb/SampleSteps.h"
#include "tools/ghdb/SampleSubjects.h"
#include "tools/ghdb/SampleConfiguration.h"

namespace ghdb::tool {

namespace {

// Field sets shared by layers of one theme.
const std::vector<SampleField> kRoadFields = {
    {"DLMC", "道路名称", 5, 50, 0, -1},
    {"DLDJ", "道路等级", 1, 4, 0, -1},
    {"HXKD", "红线宽度", 4, 8, 2, 2},
};
const std::vector<SampleField> kParcelFields = {
    {"DKBM", "地块编码", 5, 20, 0, -1},
    {"YDXZ", "用地性质", 5, 10, 0, -1},
    {"YDMJ", "用地面积", 4, 12, 2, 4},
    {"RJL", "容积率", 4, 6, 2, -1},
};
const std::vector<SampleField> kLandUseFields = {
    {"YDXZ", "用地性质", 5, 10, 0, -1},
    {"YDMJ", "用地面积", 4, 12, 2, 3},
};
const std::vector<SampleField> kPipeFields = {
    {"GJ", "管径", 4, 8, 0, -1},
    {"CZ", "材质", 5, 20, 0, -1},
    {"MS", "埋深", 4, 8, 2, 2},
};
const std::vector<SampleField> kPointFields = {
    {"BH", "编号", 5, 20, 0, -1},
    {"MC", "名称", 5, 50, 0, -1},
};
const std::vector<SampleField> kNoteFields = {
    {"ZJNR", "注记内容", 5, 255, 0, -1},
    {"ZG", "字高", 4, 8, 1, -1},
};
const std::vector<SampleField> kBoundaryFields = {
    {"XZQMC", "行政区名称", 5, 50, 0, -1},
    {"XZQDM", "行政区代码", 5, 12, 0, -1},
    {"MJ", "面积", 4, 12, 2, 5},
};
const std::vector<SampleField> kBuildingFields = {
    {"JZCS", "建筑层数", 1, 4, 0, -1},
    {"JZJG", "建筑结构", 5, 20, 0, -1},
    {"JZGD", "建筑高度", 4, 8, 2, 2},
};
const std::vector<SampleField> kImageFields = {
    {"PSRQ", "拍摄日期", 7, 0, 0, -1},
    {"FBL", "分辨率", 4, 8, 2, 2},
};
const std::vector<SampleField> kPermitFields = {
    {"XKZH", "许可证号", 5, 30, 0, -1},
    {"JSDW", "建设单位", 5, 100, 0, -1},
    {"PZRQ", "批准日期", 7, 0, 0, -1},
};

const std::vector<const char*> kProjectFeature = {"OBJECTID", "SHAPE", "PRJCREATEID", "BEGINDATE"};
const std::vector<const char*> kRoadFeature = {"OBJECTID", "SHAPE", "RoadRecord", "PRJCREATEID",
                                               "BEGINDATE"};
const std::vector<const char*> kSurveyFeature = {"OBJECTID", "SHAPE"};
const std::vector<const char*> kRaster = {"OBJECTID"};

const std::vector<SampleRelation> kRoadRelations = {
    {"HXKD,DLDJ", "红线宽度按道路等级取值"},
};
const std::vector<SampleRelation> kParcelRelations = {
    {"YDMJ,SHAPE", "用地面积由地块图形计算"},
    {"RJL,YDMJ", "容积率随用地面积重算"},
};

}  // namespace

const std::vector<SampleSpacialDB>& SampleSpacialDBs() {
    static const std::vector<SampleSpacialDB> databases = {
        {"规划成果库", "gis-sde.planning.local", "ghsde", "sde", "sde2023", kDBTypeArcSDE, "5151",
         "http://gis-sde.planning.local/arcgis/rest/services"},
        {"基础现状库", "gis-vexor.planning.local", "ghbase", "vexor", "", kDBTypeVexor, "6160", ""},
    };
    return databases;
}

const std::vector<SampleGroup>& SampleGroups() {
    static const std::vector<SampleGroup> groups = {
        {"规划",
         "规划编制成果",
         {
             {"道路",
              "道路系统规划",
              {
                  {"道路中心线",
                   "各级道路中心线",
                   {},
                   {
                       {"GH_ZGDZXX", "主干道中心线", 1, kPlanningDB, kRoadFeature, kRoadFields,
                        kRoadRelations},
                       {"GH_CGDZXX", "次干道中心线", 1, kPlanningDB, kRoadFeature, kRoadFields,
                        kRoadRelations},
                       {"GH_ZLZXX", "支路中心线", 1, kPlanningDB, kRoadFeature, kRoadFields, {}},
                   },
                   {"道路中心线",
                    {
                        {"DL_ZXX", "道路中心线", 2, 1, "CENTER", "", 0.3, ""},
                        {"DL_ZJ", "道路名称注记", 3, 7, "", "HZ", 0.0, ""},
                        {"DL_ZH", "道路桩号", 1, 3, "CONTINUOUS", "", 0.0, ""},
                        {"DL_HX", "道路红线", 1, 1, "DASHED", "", 0.5, ""},
                    }}},
                  {"道路红线",
                   "道路红线与交叉口",
                   {},
                   {
                       {"GH_DLHX", "道路红线", 1, kPlanningDB, kProjectFeature, kRoadFields, {}},
                       {"GH_DLBX", "道路边线", 1, kPlanningDB, kProjectFeature, kRoadFields, {}},
                       {"GH_DLJCK",
                        "道路交叉口",
                        0,
                        kPlanningDB,
                        kProjectFeature,
                        kPointFields,
                        {}},
                       {"GH_DLZJ",
                        "道路名称注记",
                        3,
                        kPlanningDB,
                        kProjectFeature,
                        kNoteFields,
                        {}},
                   },
                   {}},
              },
              {},
              {}},
             {"用地",
              "土地利用规划",
              {
                  {"控制性详细规划",
                   "控规地块与设施",
                   {},
                   {
                       {"GH_KGDK",
                        "规划地块",
                        2,
                        kPlanningDB,
                        {"OBJECTID", "SHAPE", "GEOParam", "PRJCREATEID", "BEGINDATE"},
                        kParcelFields,
                        kParcelRelations},
                       {"GH_DKBMZJ",
                        "地块编码注记",
                        3,
                        kPlanningDB,
                        kProjectFeature,
                        kNoteFields,
                        {}},
                       {"GH_GGFWSS",
                        "公共服务设施",
                        0,
                        kPlanningDB,
                        kProjectFeature,
                        kPointFields,
                        {}},
                   },
                   {}},
                  {"总体规划",
                   "城市总体规划",
                   {},
                   {
                       {"GH_ZTGHYD",
                        "规划用地",
                        2,
                        kPlanningDB,
                        kProjectFeature,
                        kLandUseFields,
                        {}},
                       {"GH_GHFWX", "规划范围线", 1, kPlanningDB, kProjectFeature, {}, {}},
                       {"GH_CSLX", "城市绿线", 2, kPlanningDB, kProjectFeature, kLandUseFields, {}},
                   },
                   {}},
              },
              {},
              {}},
             {"市政",
              "市政管线规划",
              {
                  {"给水",
                   "给水工程",
                   {},
                   {
                       {"GH_JSGX", "给水管线", 1, kPlanningDB, kProjectFeature, kPipeFields, {}},
                       {"GH_JSFM", "给水阀门", 0, kPlanningDB, kProjectFeature, kPointFields, {}},
                       {"GH_XHS", "消火栓", 0, kPlanningDB, kProjectFeature, kPointFields, {}},
                   },
                   {}},
                  {"排水",
                   "雨水与污水工程",
                   {},
                   {
                       {"GH_YSGX", "雨水管线", 1, kPlanningDB, kProjectFeature, kPipeFields, {}},
                       {"GH_WSGX", "污水管线", 1, kPlanningDB, kProjectFeature, kPipeFields, {}},
                       {"GH_JCJ", "检查井", 0, kPlanningDB, kProjectFeature, kPointFields, {}},
                   },
                   {}},
              },
              {},
              {}},
         },
         {},
         {}},
        {"现状",
         "基础地理现状",
         {
             {"地形",
              "大比例尺地形",
              {
                  {"地形图",
                   "1:500 地形图",
                   {},
                   {
                       {"XZ_JZW", "建筑物", 2, kSurveyDB, kSurveyFeature, kBuildingFields, {}},
                       {"XZ_DGX", "等高线", 1, kSurveyDB, kSurveyFeature, {}, {}},
                       {"XZ_GCD", "高程点", 0, kSurveyDB, kSurveyFeature, kPointFields, {}},
                       {"XZ_DMZJ", "地名注记", 3, kSurveyDB, kSurveyFeature, kNoteFields, {}},
                   },
                   {}},
                  {"行政区划",
                   "区县与街道界线",
                   {},
                   {
                       {"XZ_QXJ", "区县界", 2, kSurveyDB, kSurveyFeature, kBoundaryFields, {}},
                       {"XZ_JDJ", "街道界", 2, kSurveyDB, kSurveyFeature, kBoundaryFields, {}},
                   },
                   {}},
              },
              {},
              {}},
             {"影像",
              "航空与卫星影像",
              {
                  {"航空影像",
                   "逐年航空摄影",
                   {},
                   {
                       {"XZ_HKYX2020", "2020年航空影像", 4, kSurveyDB, kRaster, kImageFields, {}},
                       {"XZ_HKYX2023", "2023年航空影像", 4, kSurveyDB, kRaster, kImageFields, {}},
                   },
                   {}},
                  {"卫星影像",
                   "卫星遥感影像",
                   {},
                   {
                       {"XZ_WXYX", "卫星影像", 4, kSurveyDB, kRaster, kImageFields, {}},
                   },
                   {}},
              },
              {},
              {}},
         },
         {},
         {}},
        {"审批",
         "规划审批成果",
         {
             {"建设项目",
              "建设项目审批",
              {
                  {"用地红线",
                   "建设用地审批红线",
                   {},
                   {
                       {"SP_YDHX",
                        "建设用地红线",
                        2,
                        kPlanningDB,
                        kProjectFeature,
                        kPermitFields,
                        {}},
                       {"SP_HXZJ", "红线注记", 3, kPlanningDB, kProjectFeature, kNoteFields, {}},
                   },
                   {"建设用地红线",
                    {
                        {"SP_HX", "用地红线", 2, 1, "CONTINUOUS", "", 0.6, ""},
                        {"SP_HXTC", "红线填充", 1, 1, "", "", 0.0, "ANSI31"},
                        {"SP_ZJ", "红线注记", 3, 1, "", "HZ", 0.0, ""},
                    }}},
                  {"规划许可",
                   "建设工程规划许可",
                   {},
                   {
                       {"SP_GCXK",
                        "建设工程规划许可",
                        2,
                        kPlanningDB,
                        kProjectFeature,
                        kPermitFields,
                        {}},
                       {"SP_GHTJD",
                        "规划条件点",
                        0,
                        kPlanningDB,
                        kProjectFeature,
                        kPointFields,
                        {}},
                   },
                   {}},
              },
              {},
              {}},
         },
         {},
         {}},
    };
    return groups;
}

namespace {

// The planning city's extent (3-degree Gauss-Krüger zone 39), shared by every layer.
constexpr double kMinX = 39440000.0, kMinY = 3410000.0, kMaxX = 39520000.0, kMaxY = 3480000.0;
// Notes and points are drawn only from 1:10000 on.
constexpr float kDetailScale = 10000.0f;

class SampleBuilder {
public:
    explicit SampleBuilder(CBaseClassAccess& access) : access_(access) {}

    void Build() {
        for (const SampleSpacialDB& db : SampleSpacialDBs()) AddSpacialDB(db);
        for (const SampleGroup& group : SampleGroups()) AddGroup(group, -1);
        AddSampleSubjects(access_);
        AddSampleCadAndRedLine(access_);
        AddRoadDesign();
        if (std::string failed = StoreSampleConfiguration(access_); !failed.empty())
            throw StepFailed{std::move(failed)};
    }

private:
    void AddSpacialDB(const SampleSpacialDB& plan) {
        CSpacialDBInfo db;
        db.DBAlias = plan.alias;
        db.ConvertArcWebService = plan.arcWebService;
        CString server = plan.server, dbName = plan.dbName, user = plan.user,
                password = plan.password, dbType = plan.dbType, port = plan.port;
        db.SetConnectParam(server, dbName, user, password, dbType, port);
        Expect(access_.AddSpacialDBInfo(db), 2, "adding " + Named("spatial database", plan.alias));
        dbIds_.push_back(db.DBID);
    }

    void AddGroup(const SampleGroup& plan, long parentId) {
        CGISLayerGroup group;
        group.ParentGroupID = parentId;
        group.LayerGroupName = plan.name;
        group.Remark = plan.remark;
        Expect(access_.AddLayerGroup(group), 2, "adding " + Named("layer group", plan.name));

        // Layers of a group with a figure layer share its parse id; taken before any of their
        // extensions exists, it is the next free one.
        long sharedParseId = 0;
        if (!plan.figure.cadLayers.empty()) {
            sharedParseId = NextParseId();
            AddFigureLayer(plan.figure, sharedParseId);
        }
        for (const SampleLayer& layer : plan.layers)
            AddLayer(layer, group.LayerGroupID, sharedParseId ? sharedParseId : NextParseId());
        for (const SampleGroup& kid : plan.kids) AddGroup(kid, group.LayerGroupID);
    }

    long NextParseId() {
        const long parseId = access_.GetMaxParseIdOfLayerEx();
        if (parseId <= 0) throw StepFailed{"taking the next parse id failed"};
        return parseId;
    }

    void AddFigureLayer(const SampleFigureLayer& plan, long parseId) {
        CFigureLayer figure;
        figure.ParseID = parseId;
        figure.Name = plan.name;
        // CAD layers are numbered within their kind.
        std::map<long, long> sequenceOfType;
        for (const SampleCADLayer& cad : plan.cadLayers) {
            CCADLayerInfo info;
            info.ParseID = parseId;
            info.LayerName = cad.name;
            info.LayerAlias = cad.alias;
            info.Type = cad.type;
            info.LayerColor = cad.color;
            info.LineName = cad.lineName;
            info.FontName = cad.fontName;
            info.LineWidth = cad.lineWidth;
            info.PatternName = cad.patternName;
            info.Sequence = sequenceOfType[cad.type]++;
            figure.AddCADLayerInfo(info);
        }
        Expect(access_.AddFigureLayer(figure), 2, "adding " + Named("figure layer", plan.name));
    }

    void AddLayer(const SampleLayer& plan, long groupId, long parseId) {
        const std::string what = Named("layer", plan.alias);
        CGISLayer layer;
        layer.LayerID = ++lastLayerId_;
        layer.LayerName = plan.name;
        layer.LayerAlias = plan.alias;
        layer.ShapeType = plan.shapeType;
        layer.DBID = dbIds_.at(static_cast<std::size_t>(plan.database));
        layer.RealLayerID = plan.name;
        layer.SpatialMinX = kMinX;
        layer.SpatialMinY = kMinY;
        layer.SpatialMaxX = kMaxX;
        layer.SpatialMaxY = kMaxY;
        const bool hasObjectId = !plan.systemFields.empty();
        if (hasObjectId) {
            layer.QueryField = "OBJECTID";
            layer.PrimaryField = "OBJECTID";
        }
        if (plan.shapeType == 0 || plan.shapeType == 3) layer.MinScale = kDetailScale;
        if (plan.shapeType == 3) {
            layer.IsLabeled = true;
            layer.LabelField = "ZJNR";
        }
        Expect(access_.AddLayer(groupId, layer), 2, "adding " + what);
        layerIds_[plan.name] = layer.LayerID;
        AddFields(plan, layer.LayerID, what);

        // Raster layers are not drawn in CAD.
        if (plan.shapeType == 4) return;
        CLayerEx extension(plan.shapeType);
        extension.LayerID = layer.LayerID;
        extension.LayerParseID = parseId;
        extension.DrawOrder = layer.LayerID;
        if (hasObjectId) extension.StandardField = "OBJECTID";
        Expect(access_.AddGISLayerEx(extension), 2, "adding the extension of " + what);
        if (plan.database == kPlanningDB) {
            CLayerVerifyUpdate verify(plan.shapeType);
            verify.LayerID = layer.LayerID;
            verify.UpdateKey = "OBJECTID";
            verify.LayerNameAdd = CString(plan.name) + "_ADD";
            verify.LayerNameHis = CString(plan.name) + "_HIS";
            Expect(access_.AddLayerVerifyUpdate(verify), 2,
                   "adding the verify and update settings of " + what);
        }
    }

    void AddFields(const SampleLayer& plan, long layerId, const std::string& what) {
        CArray<CGISFieldInfo, CGISFieldInfo&> fields;
        for (const char* name : plan.systemFields) {
            CGISFieldInfo field;
            access_.MakeSomeFieldInfo(layerId, name, fields.GetSize(), field);
            fields.Add(field);
        }
        for (const SampleField& user : plan.userFields) {
            CGISFieldInfo field;
            field.FieldName = user.name;
            field.FieldAlias = user.alias;
            field.DataType = user.dataType;
            field.Length = user.length;
            field.Precise = user.precise;
            field.EnumUnitType = user.unit;
            field.IsNullable = true;
            fields.Add(field);
        }
        Expect(access_.UpdateLayerFieldInfo(layerId, fields), 2, "storing the fields of " + what);

        if (plan.relations.empty()) return;
        CArray<CKGFieldRelation, CKGFieldRelation&> relations;
        long priority = 0;
        for (const SampleRelation& rule : plan.relations) {
            CKGFieldRelation relation;
            relation.LayerID = layerId;
            relation.EnuRelationType = 2;
            relation.RelationPri = ++priority;
            relation.RelationFields = rule.fields;
            relation.RelationDescribe = rule.describe;
            relations.Add(relation);
        }
        Expect(access_.SetFieldRelationOfGISLayer(layerId, relations), 2,
               "storing the field relations of " + what);
    }

    // Planning meanings, and the road design of the main and secondary roads: kinds of way,
    // boards with their ways and widths, default radii, a crossing corner and the standards.
    void AddRoadDesign() {
        StoreAll(
            &CBaseClassAccess::EditAllGHMeaning,
            {Meaning(1, 0, "规划用地"), Meaning(11, 1, "居住用地"), Meaning(12, 1, "公共设施用地"),
             Meaning(2, 0, "道路交通"), Meaning(21, 2, "城市道路"), Meaning(211, 21, "主干路"),
             Meaning(212, 21, "次干路"), Meaning(22, 2, "交通设施")},
            "the planning meanings");
        StoreAll(&CBaseClassAccess::EditAllGHRoadWay,
                 {CGHRoadWay(1, "机动车道"), CGHRoadWay(2, "非机动车道"), CGHRoadWay(3, "人行道"),
                  CGHRoadWay(4, "绿化带")},
                 "the kinds of way");
        StoreAll(&CBaseClassAccess::EditAllGHRoadBoard,
                 {CGHRoadBoard(1, 0, "一块板"), CGHRoadBoard(2, 1, "三块板")}, "the boards");
        // Board, kind of way, position, width; in order across the section.
        StoreAll(&CBaseClassAccess::EditAllGHRoadBoardWay,
                 {BoardWay(1, 0, 3, 0, 5.0, "RXD"), BoardWay(1, 1, 1, 1, 14.0, "JDCD"),
                  BoardWay(1, 2, 3, 2, 5.0, "RXD"), BoardWay(2, 0, 3, 0, 4.0, "RXD"),
                  BoardWay(2, 1, 2, 0, 3.5, "FJDCD"), BoardWay(2, 2, 4, 0, 2.0, "LHD"),
                  BoardWay(2, 3, 1, 1, 15.0, "JDCD"), BoardWay(2, 4, 4, 2, 2.0, "LHD"),
                  BoardWay(2, 5, 2, 2, 3.5, "FJDCD"), BoardWay(2, 6, 3, 2, 4.0, "RXD")},
                 "the ways of the boards");
        StoreAll(&CBaseClassAccess::EditAllGHRoadBoardWayWidth,
                 {CGHRoadBoardWayWidth(1, 0, "24;30"), CGHRoadBoardWayWidth(2, 0, "40;50")},
                 "the widths of the boards");
        // Kerb corners: grades, road line (kerb), drawn line (inner corner), corner (rounded).
        StoreAll(&CBaseClassAccess::EditAllGHRoadRadius,
                 {Radius(1, 2, 2, 25.0), Radius(2, 2, 3, 20.0), Radius(3, 3, 3, 15.0)},
                 "the default radii");
        CArray<CCrossConfigInfo, CCrossConfigInfo&> crossings;
        CCrossConfigInfo crossing;
        crossing.RoadGrade1 = 2;
        crossing.RoadGrade2 = 3;
        crossing.Angle_Start = 60.0;
        crossing.Angle_End = 120.0;
        crossing.RoadlineType = 3;
        crossing.RoadWidth1_Start = 30.0;
        crossing.RoadWidth1_End = 50.0;
        crossing.RoadWidth2_Start = 20.0;
        crossing.RoadWidth2_End = 40.0;
        crossing.CornerType = 4;
        crossing.Radius = 20.0;
        crossing.TuoCircle = 1;
        crossings.Add(crossing);
        Expect(access_.EditAllCrossRadiusConfig(crossings), 2, "storing the crossing corners");

        const long arterial = layerIds_.at("GH_ZGDZXX");
        const long secondary = layerIds_.at("GH_CGDZXX");
        StoreAll(&CBaseClassAccess::EditAllGHRoadStandard,
                 {Standard(arterial, 3), Standard(secondary, 1)}, "the road standards");
        StoreAll(&CBaseClassAccess::EditAllGHRoadStandardBoard,
                 {CGHRoadStandardBoard(arterial, 1), CGHRoadStandardBoard(arterial, 2),
                  CGHRoadStandardBoard(secondary, 1)},
                 "the boards of the road standards");
        StoreAll(&CBaseClassAccess::EditAllGHRoadStandardRadius,
                 {CGHRoadStandardRadius(arterial, 0, 1), CGHRoadStandardRadius(arterial, 1, 1),
                  CGHRoadStandardRadius(secondary, 0, 2)},
                 "the radii of the road standards");
    }

    template <class T>
    void StoreAll(long (CBaseClassAccess::*edit)(CArray<T*, T*&>&), const std::vector<T>& records,
                  const std::string& what) {
        CAutoReleaseArray<T*, T*&> array;
        for (const T& record : records) {
            T* copy = new T(record);
            array.Add(copy);
        }
        Expect((access_.*edit)(array), 2, "storing " + what);
    }

    static CGHMeaning Meaning(long id, long parentId, const char* name) {
        CGHMeaning meaning;
        meaning.MeaningID = id;
        meaning.ParentID = parentId;
        meaning.MeaningName = name;
        meaning.Sequence = id % 10;
        return meaning;
    }

    static CGHRoadBoardWay BoardWay(long boardId, long sequence, long wayId, long pos, double width,
                                    const char* block) {
        CGHRoadBoardWay way;
        way.RoadBoardID = boardId;
        way.Sequence = sequence;
        way.RoadWayID = wayId;
        way.Pos = pos;
        way.Width = width;
        way.ScenBlockName = FormatString("%s;%d", block, pos);
        return way;
    }

    static CGHRoadRadius Radius(long id, long grade1, long grade2, double radius) {
        CGHRoadRadius r;
        r.RadiusID = id;
        r.enuRoadGrade1 = grade1;
        r.enuRoadGrade2 = grade2;
        r.enuRoadLineType = 3;
        r.LineType = 1;
        r.enuCornerType = 4;
        r.Radius = radius;
        return r;
    }

    // A city road drawn on its centre line, with the red and edge lines of the sample.
    CGHRoadStandard Standard(long mainLayerId, long roadTypes) const {
        CGHRoadStandard standard;
        standard.MLayerID = mainLayerId;
        standard.IsCityRoad = true;
        standard.HasRoadTypes = roadTypes;
        standard.RLayerID = layerIds_.at("GH_DLHX");
        standard.ELayerID = layerIds_.at("GH_DLBX");
        return standard;
    }

    CBaseClassAccess& access_;
    std::vector<long> dbIds_;
    long lastLayerId_ = 0;
    std::map<std::string, long> layerIds_;
};

}  // namespace

bool BuildSampleCatalogue(CBaseClassAccess& access, std::string& failure) {
    const ConnectionPtr connection = access.RefConnection();
    if (!connection) {
        failure = "no connection";
        return false;
    }
    try {
        // One unit: a failed step leaves the catalogue as it was, and the many small writes
        // share one commit.
        Transaction transaction(*connection);
        SampleBuilder(access).Build();
        transaction.Commit();
        return true;
    } catch (const StepFailed& step) {
        failure = step.message;
    } catch (const _com_error& error) {
        failure = "the sample's transaction failed: " + std::string(error.Description());
    }
    return false;
}

}  // namespace ghdb::tool
