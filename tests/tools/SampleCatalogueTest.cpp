#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "families/FamilyTest.h"
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
#include "tools/ghdb/TreePrinter.h"

namespace ghdb::test {
namespace {

class SampleCatalogueTest : public DatabaseTest {
protected:
    void Build() {
        std::string failure;
        ASSERT_TRUE(tool::BuildSampleCatalogue(*access, failure)) << failure;
        ASSERT_TRUE(messages.messages().empty());
    }
};

TEST_F(SampleCatalogueTest, HoldsTheTwoSpatialDatabasesOfBothTypes) {
    Build();
    CAutoReleaseArray<CSpacialDBInfo*, CSpacialDBInfo*> stored;
    ASSERT_EQ(access->GetAllSpacialDBInfo(stored), 2);
    EXPECT_EQ(Each(stored,
                   [](auto* db) {
                       CString server, name, user, password, type, port;
                       db->GetConnectParam(server, name, user, password, type, port);
                       return Row(db->DBAlias, server, name, user, password, type, port);
                   }),
              Each(tool::SampleSpacialDBs(), [](auto& db) {
                  return Row(db.alias, db.server, db.dbName, db.user, db.password, db.dbType,
                             db.port);
              }));
    // The empty password went in as the placeholder of the packed text.
    EXPECT_EQ(Count("GHGIS_SpacialDBInfo", "ConnectionString LIKE '%PWD=__NULL__ %'"), 1);
}

TEST_F(SampleCatalogueTest, HoldsThePlannedTreeWithEveryLayerAndWhatHangsOnIt) {
    Build();
    std::ostringstream tree;
    EXPECT_TRUE(tool::WriteLayerTree(*access, tree));
    EXPECT_EQ(tree.str(),
              "规划 (0 layers)\n"
              "  道路 (0 layers)\n"
              "    道路中心线 (3 layers)\n"
              "      主干道中心线 [线 层, 8 fields]\n"
              "      次干道中心线 [线 层, 8 fields]\n"
              "      支路中心线 [线 层, 8 fields]\n"
              "    道路红线 (4 layers)\n"
              "      道路红线 [线 层, 7 fields]\n"
              "      道路边线 [线 层, 7 fields]\n"
              "      道路交叉口 [点 层, 6 fields]\n"
              "      道路名称注记 [文字 层, 6 fields]\n"
              "  用地 (0 layers)\n"
              "    控制性详细规划 (3 layers)\n"
              "      规划地块 [面 层, 9 fields]\n"
              "      地块编码注记 [文字 层, 6 fields]\n"
              "      公共服务设施 [点 层, 6 fields]\n"
              "    总体规划 (3 layers)\n"
              "      规划用地 [面 层, 6 fields]\n"
              "      规划范围线 [线 层, 4 fields]\n"
              "      城市绿线 [面 层, 6 fields]\n"
              "  市政 (0 layers)\n"
              "    给水 (3 layers)\n"
              "      给水管线 [线 层, 7 fields]\n"
              "      给水阀门 [点 层, 6 fields]\n"
              "      消火栓 [点 层, 6 fields]\n"
              "    排水 (3 layers)\n"
              "      雨水管线 [线 层, 7 fields]\n"
              "      污水管线 [线 层, 7 fields]\n"
              "      检查井 [点 层, 6 fields]\n"
              "现状 (0 layers)\n"
              "  地形 (0 layers)\n"
              "    地形图 (4 layers)\n"
              "      建筑物 [面 层, 5 fields]\n"
              "      等高线 [线 层, 2 fields]\n"
              "      高程点 [点 层, 4 fields]\n"
              "      地名注记 [文字 层, 4 fields]\n"
              "    行政区划 (2 layers)\n"
              "      区县界 [面 层, 5 fields]\n"
              "      街道界 [面 层, 5 fields]\n"
              "  影像 (0 layers)\n"
              "    航空影像 (2 layers)\n"
              "      2020年航空影像 [影像 层, 3 fields]\n"
              "      2023年航空影像 [影像 层, 3 fields]\n"
              "    卫星影像 (1 layer)\n"
              "      卫星影像 [影像 层, 3 fields]\n"
              "审批 (0 layers)\n"
              "  建设项目 (0 layers)\n"
              "    用地红线 (2 layers)\n"
              "      建设用地红线 [面 层, 7 fields]\n"
              "      红线注记 [文字 层, 6 fields]\n"
              "    规划许可 (2 layers)\n"
              "      建设工程规划许可 [面 层, 7 fields]\n"
              "      规划条件点 [点 层, 6 fields]\n");
    // Nothing stored beyond what the tree shows; the layers of each spatial database.
    EXPECT_EQ(Count("GHGIS_LayerGroup") + Count("GHGIS_LayerGroupLayerRelation"), 21 + 32);
    EXPECT_EQ(Rows("SELECT DBID, COUNT(*) FROM GHGIS_Layer GROUP BY DBID ORDER BY DBID"),
              (Table{{"1", "23"}, {"2", "9"}}));
    // Every layer but the rasters is drawn in CAD as its shape is; the planning database's are
    // checked for updates; every system field is as the library's builder gives it.
    for (long shape = 0; shape <= 3; ++shape)
        EXPECT_EQ(Count("GH_LayerEx", "DWGEntType = '" + CLayerEx(shape).DWGEntType.str() +
                                          "' AND LayerID IN (SELECT LayerID FROM GHGIS_Layer "
                                          "WHERE ShapeType = " +
                                          std::to_string(shape) + ")"),
                  Count("GHGIS_Layer", "ShapeType = " + std::to_string(shape)));
    EXPECT_EQ(Count("GH_LayerEx"), 29);
    EXPECT_EQ(Count("GH_VerifyUpdate"), Count("GHGIS_Layer", "DBID = 1 AND ShapeType <> 4"));
    EXPECT_EQ(Count("GH_FieldInfo", "FieldName = 'OBJECTID' AND DataType = 2 AND StatusInfo = 6"),
              32);
    EXPECT_EQ(Count("GH_FieldsRelConfig"), 4);
    // Parse ids are the ones the library handed out, 1 upwards, none skipped; the layers of a
    // group with a figure layer share its parse id.
    EXPECT_EQ(Rows("SELECT COUNT(DISTINCT LayerParseID), MIN(LayerParseID), MAX(LayerParseID) "
                   "FROM GH_LayerEx"),
              (Table{{"26", "1", "26"}}));
    EXPECT_EQ(access->GetMaxParseIdOfLayerEx(), 27);
    EXPECT_EQ(Count("GH_FigureLayerIndex", "ParseID IN (SELECT LayerParseID FROM GH_LayerEx)"), 2);
    EXPECT_EQ(Count("GH_FigureLayer"), 7);
}

TEST_F(SampleCatalogueTest, HoldsCadStylesBaseMapsAndRedLineSettings) {
    Build();
    // The listing shows styles per file and each group with its sheets.
    std::ostringstream listing;
    EXPECT_TRUE(tool::WriteCadResources(*access, listing));
    EXPECT_EQ(listing.str(),
              "font styles (2)\n"
              "  HZ: txt.shx, big font hztxt.shx\n"
              "  Standard: simplex.shx, big font gbcbig.shx\n"
              "line types (2 files)\n"
              "  acad.lin: CONTINUOUS, DASHED\n"
              "  ghplan.lin: GH_HX, GH_LX, GH_ZX\n"
              "blocks (1 file)\n"
              "  ghsymbol.dwg: 指北针, 图框, 测量控制点\n"
              "base-map groups (2)\n"
              "  1 地形图 1:500 DWG, tables GHCAD_DXT500 and GHCAD_DXT500_HIS, 3 sheets\n"
              "  2 规划总图 1:2000 DWG, tables GHCAD_GHZT2000 and GHCAD_GHZT2000_HIS, 1 sheet\n");
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
