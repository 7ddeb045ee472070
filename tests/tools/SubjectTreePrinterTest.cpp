#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/TestDatabase.h"
#include "tools/ghdb/SampleCatalogue.h"
#include "tools/ghdb/SampleSubjects.h"
#include "tools/ghdb/SubjectTreePrinter.h"

namespace ghdb::test {
namespace {

class SubjectTreePrinterTest : public DatabaseTest {
protected:
    std::string Tree() {
        std::ostringstream out;
        EXPECT_TRUE(tool::WriteSubjectTree(*access, out));
        return out.str();
    }
};

TEST_F(SubjectTreePrinterTest, TheSampleShowsItsSubjectTypesAndCustomSubjectsWithTheirLayers) {
    std::string failure;
    ASSERT_TRUE(tool::BuildSampleCatalogue(*access, failure)) << failure;
    EXPECT_EQ(Tree(),
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
