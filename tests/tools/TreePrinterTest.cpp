#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "families/FamilyTest.h"
#include "tools/ghdb/TreePrinter.h"

namespace ghdb::test {
namespace {

class TreePrinterTest : public FamilyTest {
protected:
    void AddLayer(long groupId, long layerId, const char* name, const char* alias, long shape,
                  int fieldCount) {
        CGISLayer layer;
        layer.LayerID = layerId;
        layer.LayerName = name;
        layer.LayerAlias = alias;
        layer.ShapeType = shape;
        ASSERT_EQ(access->AddLayer(groupId, layer), 2);
        CArray<CGISFieldInfo, CGISFieldInfo&> fields;
        for (int i = 0; i < fieldCount; ++i) {
            CGISFieldInfo field;
            field.FieldName = FormatString("F%d", i);
            fields.Add(field);
        }
        ASSERT_EQ(access->UpdateLayerFieldInfo(layerId, fields), 2);
    }

    std::string Tree(bool expectComplete = true) {
        std::ostringstream out;
        EXPECT_EQ(tool::WriteLayerTree(*access, out), expectComplete);
        return out.str();
    }
};

TEST_F(TreePrinterTest, ShowsGroupsThenLayersInDisplayOrderWithKindsAndFieldCounts) {
    const long planning = AddGroup("规划");
    const long roads = AddGroup("道路", planning);
    AddGroup("空组", roads);
    AddLayer(roads, 2, "GH_ZGD", "主干道", 1, 3);
    AddLayer(roads, 1, "GH_ZJ", "", 3, 1);  // no alias: the name is shown
    AddLayer(planning, 3, "GH_DK", "地块", 2, 0);
    const long survey = AddGroup("现状");
    AddLayer(survey, 4, "XZ_YX", "影像", 4, 2);
    AddLayer(survey, 5, "XZ_QT", "其他", 9, 1);
    ASSERT_EQ(access->AddGISLayerToOneGroup(2, survey), 2);  // one layer under two groups

    EXPECT_EQ(Tree(),
              "规划 (1 layer)\n"
              "  道路 (2 layers)\n"
              "    空组 (0 layers)\n"
              "    主干道 [线 层, 3 fields]\n"
              "    GH_ZJ [文字 层, 1 field]\n"
              "  地块 [面 层, 0 fields]\n"
              "现状 (3 layers)\n"
              "  影像 [影像 层, 2 fields]\n"
              "  其他 [未知图层, 1 field]\n"
              "  主干道 [线 层, 3 fields]\n");
    EXPECT_TRUE(messages.messages().empty());
}

// Group keys come from the database, so a loop needs a row written by hand: a group keyed -1,
// whose children are the root groups, hanging under a root group.
TEST_F(TreePrinterTest, AGroupOnALoopIsShownOnceAndNotEnteredAgain) {
    const long root = AddGroup("根");
    Exec(
        "INSERT INTO GHGIS_LayerGroup (LayerGroupID, ParentGroupID, DispOrder, LayerGroupName) "
        "VALUES (-1, " +
        std::to_string(root) + ", 1, '环')");
    EXPECT_EQ(Tree(),
              "根 (0 layers)\n"
              "  环 (0 layers)\n"
              "    根 (group " +
                  std::to_string(root) + " shown above: its parent links form a loop)\n");
}

TEST_F(TreePrinterTest, WritesWhatItCanReadAndReportsTheRest) {
    const long root = AddGroup("根");
    AddLayer(root, 1, "L", "图层", 0, 2);
    Exec("DROP TABLE GH_FieldInfo");
    EXPECT_EQ(Tree(false),
              "根 (1 layer)\n"
              "  图层 [点 层, 0 fields]\n");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
}

}  // namespace
}  // namespace ghdb::test
