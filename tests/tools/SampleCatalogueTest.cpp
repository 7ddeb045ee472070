#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestDatabase.h"
#include "tools/ghdb/CadPrinter.h"
#include "tools/ghdb/ConfigPrinter.h"
#include "tools/ghdb/MisTreePrinter.h"
#include "tools/ghdb/PipesPrinter.h"
#include "tools/ghdb/RoadsPrinter.h"
#include "tools/ghdb/SampleCatalogue.h"
#include "tools/ghdb/SampleConfiguration.h"
#include "tools/ghdb/SampleMis.h"
#include "tools/ghdb/SamplePipes.h"
#include "tools/ghdb/SampleSubjects.h"
#include "tools/ghdb/SubjectTreePrinter.h"

namespace ghdb::test {
namespace {

using tool::SampleGroup;
using tool::SampleLayer;

class SampleCatalogueTest : public DatabaseTest {
protected:
    void Build() {
        std::string failure;
        ASSERT_TRUE(tool::BuildSampleCatalogue(*access, failure)) << failure;
        ASSERT_TRUE(messages.messages().empty());
    }

    // Walks the stored tree beside the planned one: the same groups, in order, at each level,
    // each with the planned layers in display order.
    void ExpectGroups(const std::vector<SampleGroup>& planned, long parentId, int depth) {
        CAutoReleaseArray<CGISLayerGroup*, CGISLayerGroup*> stored;
        ASSERT_EQ(access->GetKidLayerGroups(parentId, stored), 2);
        ASSERT_EQ(stored.GetSize(), static_cast<int>(planned.size()));
        for (std::size_t i = 0; i < planned.size(); ++i) {
            const CGISLayerGroup& group = *stored[static_cast<int>(i)];
            SCOPED_TRACE(planned[i].name);
            EXPECT_EQ(group.LayerGroupName, planned[i].name);
            EXPECT_EQ(group.Remark, planned[i].remark);
            ++groupsAtDepth[depth];
            ExpectLayers(planned[i], group.LayerGroupID);
            ExpectGroups(planned[i].kids, group.LayerGroupID, depth + 1);
        }
    }

    void ExpectLayers(const SampleGroup& planned, long groupId) {
        CAutoReleaseArray<CGISLayer*, CGISLayer*> stored;
        ASSERT_EQ(access->GetKidLayers(groupId, stored, ""), 2);
        ASSERT_EQ(stored.GetSize(), static_cast<int>(planned.layers.size()));
        std::set<long> parseIds;
        for (std::size_t i = 0; i < planned.layers.size(); ++i) {
            const SampleLayer& plan = planned.layers[i];
            CGISLayer& layer = *stored[static_cast<int>(i)];
            SCOPED_TRACE(plan.alias);
            EXPECT_EQ(layer.LayerName, plan.name);
            EXPECT_EQ(layer.LayerAlias, plan.alias);
            EXPECT_EQ(layer.ShapeType, plan.shapeType);
            ++layersOfShape[layer.ShapeType];
            ASSERT_NE(layer.SpacialDBInfo(), nullptr);
            EXPECT_EQ(layer.SpacialDBInfo()->DBAlias,
                      tool::SampleSpacialDBs()[static_cast<std::size_t>(plan.database)].alias);
            ExpectFields(plan, layer.LayerID);

            CAutoReleaseArray<CKGFieldRelation*, CKGFieldRelation*> relations;
            EXPECT_EQ(access->GetFieldRelationOfGISLayer(layer.LayerID, relations), 2);
            EXPECT_EQ(relations.GetSize(), static_cast<int>(plan.relations.size()));

            int hasVerifyUpdate = 0;
            EXPECT_EQ(access->ExistingLayerVerifyUpdate(layer.LayerID, hasVerifyUpdate), 1);
            EXPECT_EQ(hasVerifyUpdate,
                      plan.database == tool::kPlanningDB && plan.shapeType != 4 ? 1 : 0);

            CLayerEx extension;
            const long hasExtension = access->GetGISLayerEx(layer.LayerID, extension);
            // Raster layers are not drawn in CAD.
            EXPECT_EQ(hasExtension, plan.shapeType == 4 ? 1 : 2);
            if (hasExtension != 2) continue;
            EXPECT_EQ(extension.DWGEntType, CLayerEx(plan.shapeType).DWGEntType);
            ++extensions;
            parseIds.insert(extension.LayerParseID);
            allParseIds.insert(extension.LayerParseID);
        }
        if (planned.figure.cadLayers.empty()) return;
        // The group's layers share one parse id, which names the group's figure layer.
        ASSERT_EQ(parseIds.size(), 1u);
        CFigureLayer figure;
        figure.ParseID = *parseIds.begin();
        ASSERT_EQ(access->GetFigureLayer(figure), 2);
        EXPECT_EQ(figure.Name, planned.figure.name);
        EXPECT_EQ(figure.GetCADInfoSize(), static_cast<int>(planned.figure.cadLayers.size()));
        ASSERT_NE(figure.GetDefaultLayerInfo(), nullptr);
        ++figureLayers;
    }

    void ExpectFields(const SampleLayer& plan, long layerId) {
        CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*> fields;
        access->GetLayerFieldInfo(layerId, fields);
        std::vector<std::string> names;
        for (const CGISFieldInfo* field : fields) {
            EXPECT_EQ(field->Sequence, static_cast<long>(names.size()));
            names.push_back(field->FieldName.str());
        }
        std::vector<std::string> planned(plan.systemFields.begin(), plan.systemFields.end());
        for (const tool::SampleField& field : plan.userFields) planned.push_back(field.name);
        EXPECT_EQ(names, planned);
        // System fields carry what the library's builder gives them.
        for (const CGISFieldInfo* field : fields) {
            if (field->FieldName != "OBJECTID") continue;
            EXPECT_EQ(field->DataType, 2);
            EXPECT_FALSE(field->IsWritable);
            EXPECT_EQ(field->StatusInfo, 6);
        }
        storedFields += fields.GetSize();
    }

    std::map<int, int> groupsAtDepth;
    std::map<long, int> layersOfShape;
    std::set<long> allParseIds;
    int extensions = 0;
    int figureLayers = 0;
    int storedFields = 0;
};

TEST_F(SampleCatalogueTest, HoldsTheTwoSpatialDatabasesOfBothTypes) {
    Build();
    CAutoReleaseArray<CSpacialDBInfo*, CSpacialDBInfo*> stored;
    ASSERT_EQ(access->GetAllSpacialDBInfo(stored), 2);
    ASSERT_EQ(stored.GetSize(), static_cast<int>(tool::SampleSpacialDBs().size()));
    std::set<std::string> types;
    for (int i = 0; i < stored.GetSize(); ++i) {
        const tool::SampleSpacialDB& plan = tool::SampleSpacialDBs()[static_cast<std::size_t>(i)];
        CString server, dbName, user, password, dbType, port;
        stored[i]->GetConnectParam(server, dbName, user, password, dbType, port);
        EXPECT_EQ(stored[i]->DBAlias, plan.alias);
        EXPECT_EQ(server, plan.server);
        EXPECT_EQ(password, plan.password);
        EXPECT_EQ(port, plan.port);
        types.insert(dbType.str());
    }
    EXPECT_EQ(types, (std::set<std::string>{kDBTypeArcSDE, kDBTypeVexor}));
    // The empty password went in as the placeholder of the packed text.
    EXPECT_EQ(Count("GHGIS_SpacialDBInfo", "ConnectionString LIKE '%PWD=__NULL__ %'"), 1);
}

TEST_F(SampleCatalogueTest, HoldsThePlannedTreeWithEveryLayerAndWhatHangsOnIt) {
    Build();
    ExpectGroups(tool::SampleGroups(), -1, 1);

    // Three levels of groups, a few dozen layers, every shape kind.
    EXPECT_EQ(groupsAtDepth.size(), 3u);
    EXPECT_EQ(groupsAtDepth.rbegin()->first, 3);
    for (long shape = 0; shape <= 4; ++shape) EXPECT_GT(layersOfShape[shape], 0) << shape;
    int layers = 0;
    for (const auto& [shape, count] : layersOfShape) layers += count;
    EXPECT_GE(layers, 24);

    // Nothing stored beyond what the tree shows.
    EXPECT_EQ(Count("GHGIS_LayerGroup"), groupsAtDepth[1] + groupsAtDepth[2] + groupsAtDepth[3]);
    EXPECT_EQ(Count("GHGIS_Layer"), layers);
    EXPECT_EQ(Count("GHGIS_LayerGroupLayerRelation"), layers);
    EXPECT_EQ(Count("GH_FieldInfo"), storedFields);
    EXPECT_EQ(Count("GH_LayerEx"), extensions);
    EXPECT_GE(figureLayers, 1);
    EXPECT_EQ(Count("GH_FigureLayerIndex"), figureLayers);
    // Parse ids are the ones the library handed out: 1 upwards, none skipped.
    EXPECT_EQ(*allParseIds.begin(), 1);
    EXPECT_EQ(*allParseIds.rbegin(), static_cast<long>(allParseIds.size()));
    EXPECT_EQ(access->GetMaxParseIdOfLayerEx(), static_cast<long>(allParseIds.size()) + 1);
}

TEST_F(SampleCatalogueTest, HoldsCadStylesBaseMapsAndRedLineSettings) {
    Build();
    // The listing shows styles per file and each group with its sheets.
    std::ostringstream listing;
    EXPECT_TRUE(tool::WriteCadResources(*access, listing));
    for (const char* line : {"font styles (2)\n", "line types (2 files)\n  acad.lin: CONTINUOUS",
                             "\n  ghsymbol.dwg: 指北针, 图框, 测量控制点\n",
                             "\n  1 地形图 1:500 DWG, tables GHCAD_DXT500 and GHCAD_DXT500_HIS, 3 "
                             "sheets\n"})
        EXPECT_NE(listing.str().find(line), std::string::npos) << line << listing.str();
    CAutoReleaseArray<CKGBaseMap*, CKGBaseMap*&> groups;
    ASSERT_EQ(access->GetAllBaseMapGroup(groups), 2);
    for (const CKGBaseMap* group : groups) {
        EXPECT_EQ(Count(group->TableName.str()), 0);
        EXPECT_EQ(Count(group->HisTableName.str()), 0);
    }

    // The later workflow's settings serve a later id, and its field maps name a layer's fields.
    CGHRLEditRight right;
    right.WorkFlowID = "WF2099001";
    right.PhaseNo = 1;
    EXPECT_EQ(access->GetRedLineRight(right, "'WF2023001', 'WF2024001'"), 2);
    EXPECT_EQ(right.WorkFlowID, "WF2024001");
    CArray<CGHRLFieldMap, CGHRLFieldMap&> maps;
    ASSERT_EQ(access->GetRedLineFieldMap("WF2024001", maps, ""), 2);
    CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*> fields;
    ASSERT_EQ(access->GetLayerFieldInfo(maps[0].LayerID, fields), 2);
    EXPECT_LT(maps[0].FieldIndex, fields.GetSize());
}

TEST_F(SampleCatalogueTest, AFailedStepNamesItselfAndLeavesNothingBehind) {
    Exec("DROP TABLE GH_FigureLayerIndex");
    std::string failure;
    EXPECT_FALSE(tool::BuildSampleCatalogue(*access, failure));
    EXPECT_NE(failure.find("figure layer '道路中心线'"), std::string::npos) << failure;
    ASSERT_FALSE(messages.messages().empty());
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
    // Spatial databases and groups were written before the failure and went with it.
    for (const char* table :
         {"GHGIS_SpacialDBInfo", "GHGIS_LayerGroup", "GHGIS_Layer", "GH_FieldInfo", "GH_LayerEx"})
        EXPECT_EQ(Count(table), 0) << table;

    // The connection is still usable after the rollback.
    CGISLayerGroup group;
    group.LayerGroupName = "after";
    EXPECT_EQ(access->AddLayerGroup(group), 2);
}

TEST_F(SampleCatalogueTest, PrintsTheRoadStandardsWithTheirBoardsWaysAndRadii) {
    Build();
    std::ostringstream out;
    EXPECT_TRUE(tool::WriteRoadStandards(*access, out));
    EXPECT_EQ(out.str(),
              "主干道中心线 [layer 1, city road, 一线路三线路]\n"
              "  R 道路红线, E 道路边线\n"
              "  board 一块板 [一线路]\n"
              "    左 人行道 5.00\n"
              "    中 机动车道 14.00\n"
              "    右 人行道 5.00\n"
              "    widths 24;30\n"
              "  board 三块板 [三线路]\n"
              "    左 人行道 4.00\n"
              "    左 非机动车道 3.50\n"
              "    左 绿化带 2.00\n"
              "    中 机动车道 15.00\n"
              "    右 绿化带 2.00\n"
              "    右 非机动车道 3.50\n"
              "    右 人行道 4.00\n"
              "    widths 40;50\n"
              "  radius of road type 0: 25 (主干路/主干路, 路缘石线, 内侧转角线, 圆角)\n"
              "  radius of road type 1: 25 (主干路/主干路, 路缘石线, 内侧转角线, 圆角)\n"
              "次干道中心线 [layer 2, city road, 一线路]\n"
              "  R 道路红线, E 道路边线\n"
              "  board 一块板 [一线路]\n"
              "    左 人行道 5.00\n"
              "    中 机动车道 14.00\n"
              "    右 人行道 5.00\n"
              "    widths 24;30\n"
              "  radius of road type 0: 20 (主干路/次干路, 路缘石线, 内侧转角线, 圆角)\n");

    // The sample's planning meanings form one tree under two roots.
    CAutoReleaseArray<CGHMeaning*, CGHMeaning*&> meanings;
    ASSERT_EQ(access->GetAllGHMeaning(meanings), 2);
    int roots = 0;
    for (CGHMeaning* meaning : meanings)
        if (meaning->FindTopParent(meanings) == meaning) ++roots;
    EXPECT_EQ(roots, 2);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SampleCatalogueTest, HoldsSettingsAndAMenuThatPrintAsATree) {
    Build();
    long version = 0;
    EXPECT_EQ(access->GetSysVersionCode(version), 2);
    EXPECT_EQ(version, tool::kSampleVersionCode);
    CAutoReleaseArray<CGISLayer*, CGISLayer*> layers;
    EXPECT_EQ(access->GetGISLayerByFunID(202, layers), 2);
    EXPECT_EQ(layers.GetSize(), 2);

    std::ostringstream settings, menu;
    EXPECT_TRUE(tool::WriteSettings(*access, settings));
    EXPECT_EQ(settings.str().rfind("DefaultLayerScale = 500\nArcSymbolPath = ", 0), 0u);
    EXPECT_TRUE(tool::WriteMenuTree(*access, menu));
    EXPECT_EQ(menu.str().substr(0, menu.str().find("规划设计")),
              "文件 >\n"
              "  打开图纸 (function 101)\n"
              "  ----\n"
              "  导出 >\n"
              "    导出DWG (function 102)\n"
              "    导出PDF (function 103)\n");
    EXPECT_TRUE(messages.messages().empty());

    // Entries under a code that no entry has are listed after the tree.
    Exec("INSERT INTO GHSJ_MainMenu (TreeCode, ItemName, ItemID) VALUES ('57', 'lost', 99)");
    menu.str("");
    tool::WriteMenuTree(*access, menu);
    EXPECT_NE(menu.str().find("\n(under missing entry '5') lost\n"), std::string::npos);
}

TEST_F(SampleCatalogueTest, SamplePipesNameTheSamplePipeLayersAndAreListed) {
    Build();
    std::string failure;
    ASSERT_TRUE(tool::BuildSamplePipes(*access, failure)) << failure;

    CArray<CPipeTypeDef, CPipeTypeDef> types;
    ASSERT_EQ(access->GetAllPipeTypeDef(types), 2);
    ASSERT_EQ(types.GetSize(), 3);
    for (const CPipeTypeDef& type : types) {
        CGISLayer points, lines;
        ASSERT_EQ(access->GetGISLayerInfo(type.PipePointLayerID, points, 0), 2);
        ASSERT_EQ(access->GetGISLayerInfo(type.PipeLineLayerID, lines, 0), 2);
        EXPECT_EQ(points.ShapeType, 0);
        EXPECT_EQ(lines.ShapeType, 1);
    }
    std::ostringstream out;
    EXPECT_TRUE(tool::WritePipeSettings(*access, out));
    const std::string listed = out.str();
    for (const char* heading :
         {"Pipeline datasets (2)\n  1. 规划管线", "Pipe types (3)\n  给水 [JS]",
          "Special fields (3)", "Predefined fields (9)", "Symbol blocks (3)", "Font heights (3)",
          "Horizontal clearances (3)\n  JS (DN300, 有压) - YS (DN300, 重力流): 1.00 m",
          "Vertical clearances (3)", "Depths (3)"})
        EXPECT_NE(listed.find(heading), std::string::npos) << heading << "\n" << listed;
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SampleCatalogueTest, SampleMisIsShownAsItsTree) {
    std::string failure;
    ASSERT_TRUE(tool::BuildSampleMis(connectionString, failure)) << failure;
    CMisDBAccess* mis = CMisDBAccess::CreateInstance(connectionString.c_str());
    ASSERT_NE(mis, nullptr);
    std::ostringstream out;
    EXPECT_TRUE(tool::WriteMisTree(*mis, out));
    mis->ReleaseInstance();

    // The tree as the sample plans it: active versions newest first, version 2 with its added
    // phase before the last one.
    std::ostringstream planned;
    for (const tool::SampleMisSubSystem& system : tool::SampleMisSubSystems()) {
        planned << system.name << " (" << system.code << ")\n";
        for (const tool::SampleMisBusiness& business : system.businesses) {
            planned << "  " << business.name << " (" << business.code << ")\n";
            for (const tool::SampleMisWorkFlow& flow : business.workFlows) {
                planned << "    " << flow.name << " (" << flow.code << ")\n";
                for (int version = 2; version >= (flow.firstRetired ? 2 : 1); --version) {
                    planned << "      version " << version << " ["
                            << tool::SampleFlowId(flow.code, version) << "]\n";
                    std::vector<const char*> phases = flow.phases;
                    if (version == 2) phases.insert(phases.end() - 1, flow.addedPhase);
                    for (std::size_t i = 0; i < phases.size(); ++i)
                        planned << "        " << i + 1 << ". " << phases[i] << "\n";
                }
            }
        }
    }
    EXPECT_EQ(out.str(), planned.str());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SampleCatalogueTest, ShowsItsSubjectTypesAndCustomSubjectsWithTheirLayers) {
    Build();
    std::ostringstream tree;
    EXPECT_TRUE(tool::WriteSubjectTree(*access, tree));
    EXPECT_EQ(tree.str(),
              "subject type 1\n"
              "  道路交通 (subject 1): 主干道中心线, 次干道中心线, 支路中心线\n"
              "    道路红线 (subject 11): 道路红线, 道路边线, 道路交叉口, 道路名称注记\n"
              "  用地规划 (subject 2): 规划用地\n"
              "    控制性详细规划 (subject 21): 规划地块, 地块编码注记, 公共服务设施\n"
              "    总体规划 (subject 22): 规划用地, 规划范围线, 城市绿线\n"
              "  市政管线 (subject 3): 给水管线, 雨水管线, 污水管线\n"
              "subject type 2\n"
              "  地形现状 (subject 4): 建筑物, 等高线, 高程点, 地名注记\n"
              "    行政区划 (subject 41): 区县界, 街道界\n"
              "  影像 (subject 5): 2023年航空影像, 卫星影像\n"
              "  审批成果 (subject 6): 建设用地红线, 建设工程规划许可\n"
              "custom subjects\n"
              "  我的专题 (subject -100)\n"
              "    近期道路 (subject -101): 道路红线, 建筑物\n"
              "    在办审批 (subject -102): 建设用地红线, 红线注记\n");
    // Every application class names one group of the tree; every site location is stored.
    CAutoReleaseArray<CGISApplyClass*, CGISApplyClass*> classes;
    ASSERT_EQ(access->GetAllGISApplyClass(tool::kSampleApplyClassID, classes), 2);
    EXPECT_EQ(classes.GetSize(), static_cast<int>(tool::SampleApplyClasses().size()));
    for (CGISApplyClass* c : classes) EXPECT_EQ(c->GetLayerGroups()->GetSize(), 1);
    EXPECT_EQ(Count("GHGIS_SiteLocation"), static_cast<long>(tool::SampleSiteLocations().size()));
}

}  // namespace
}  // namespace ghdb::test
