#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/TestDatabase.h"
#include "tools/ghdb/MisTreePrinter.h"
#include "tools/ghdb/PipesPrinter.h"
#include "tools/ghdb/SampleCatalogue.h"
#include "tools/ghdb/SampleMis.h"
#include "tools/ghdb/SamplePipes.h"

namespace ghdb::test {
namespace {

using SamplePipesMisTest = DatabaseTest;

TEST_F(SamplePipesMisTest, SamplePipesNameTheSamplePipeLayersAndAreListed) {
    std::string failure;
    ASSERT_TRUE(tool::BuildSampleCatalogue(*access, failure)) << failure;
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

TEST_F(SamplePipesMisTest, SampleMisIsShownAsItsTree) {
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

}  // namespace
}  // namespace ghdb::test
