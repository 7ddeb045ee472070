#include <gtest/gtest.h>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

using FieldInfoTest = CatalogueTest;

TEST(FieldInfoRecord, CodesAndDisplayNamesMapBothWays) {
    CGISFieldInfo field;
    EXPECT_EQ(field.FieldTypeDesc(), "未知类型");
    EXPECT_EQ(field.FieldUnitDesc(), "  ");
    CStringArray types;
    CGISFieldInfo::GetAllFieldTypeDesc(types);
    ASSERT_EQ(types.GetSize(), 16);
    for (long code = 1; code <= 15; ++code) {
        field.SetFieldTypeByString(types[static_cast<int>(code - 1)]);
        EXPECT_EQ(field.DataType, code);
    }
    field.SetFieldTypeByString("文本");
    EXPECT_EQ(field.DataType, -1);
    EXPECT_EQ(CGISFieldInfo::FieldType2ADOType(5), adVarWChar);
    EXPECT_EQ(CGISFieldInfo::FieldType2ADOType(9), adError);
    EXPECT_EQ(CGISFieldInfo::FieldType2ADOType(16), adError);

    CStringArray units;
    CGISFieldInfo::GetAllFieldUnitDesc(units);
    ASSERT_EQ(units.GetSize(), 6);
    field.SetFieldUnitByString(units[3]);
    EXPECT_EQ(field.EnumUnitType, 3);
    EXPECT_EQ(field.FieldUnitDesc(), "面积公顷");

    CStringArray kinds;
    CGISFieldInfo::GetUpdateDBEnumTypeDesc(kinds);
    CGISFieldInfo::GetAllEnumTypeDesc(kinds);
    EXPECT_EQ(kinds.GetSize(), 13 + 31);
    EXPECT_EQ(CGISFieldInfo::IsReservedField("objectid"), 1);
    EXPECT_EQ(CGISFieldInfo::IsReservedField("SHAPE"), 0);
}

TEST_F(FieldInfoTest, AStoredUnitOutsideOneToFiveFollowsTheEnumerationKind) {
    Exec(
        "INSERT INTO GH_FieldInfo (LayerID, Sequence, EnumType, EnumUnitType, OutXDataIndex) "
        "VALUES (1, 0, 15, NULL, 4), (1, 1, 3, NULL, 4), (1, 2, 7, NULL, 4), "
        "(1, 3, 15, 4, 4), (1, 4, 3, 9, 4)");
    CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*> fields;
    EXPECT_EQ(access->GetLayerFieldInfo(2, fields), 1);
    ASSERT_EQ(access->GetLayerFieldInfo(1, fields), 2);
    EXPECT_EQ(Each(fields, &CGISFieldInfo::EnumUnitType), (std::vector<long>{2, 3, -1, 4, 3}));
    EXPECT_EQ(fields[0]->OutXDataIndex, 0);  // written, never read

    CGISFieldInfo written = Field("W", 2, 0);
    written.OutXDataIndex = 6;
    written.EnumUnitType = 5;
    written.SetDefValueString("12.5");
    EXPECT_EQ(access->AddLayerFieldInfo(999, written), 2);  // the layer argument is not used
    EXPECT_EQ(Rows("SELECT LayerID, OutXDataIndex, EnumUnitType, DefaultValue FROM GH_FieldInfo "
                   "WHERE FieldName = 'W'"),
              (Table{{"2", "6", "5", "12.5"}}));
}

TEST_F(FieldInfoTest, ReplacingStoresEveryFieldInArrayOrderOrNoneAndEditsKeepTheirSequence) {
    AddDependants(4, 40);  // fields F0 and F1
    AddDependants(5, 50);
    CArray<CGISFieldInfo*, CGISFieldInfo*> pointers;
    for (const char* name : {"X", "Y", "Z"}) pointers.Add(new CGISFieldInfo(Field(name)));
    EXPECT_EQ(access->UpdateLayerFieldInfo(4, pointers), 1);
    EXPECT_EQ(pointers[2]->Sequence, 2);  // the caller's records are renumbered
    EXPECT_EQ(Rows("SELECT Sequence, FieldName FROM GH_FieldInfo WHERE LayerID = 4 ORDER BY "
                   "Sequence"),
              (Table{{"0", "X"}, {"1", "Y"}, {"2", "Z"}}));
    ReleaseArrayData(pointers, 0);
    // An edit rewrites the row of the field's own sequence.
    CGISFieldInfo y = Field("Y2", 4, 1);
    EXPECT_EQ(access->EditLayerFieldInfo(4, y), 2);
    EXPECT_EQ(Rows("SELECT FieldName FROM GH_FieldInfo WHERE LayerID = 4 ORDER BY Sequence"),
              (Table{{"X"}, {"Y2"}, {"Z"}}));
    y.Sequence = 7;
    EXPECT_EQ(access->EditLayerFieldInfo(4, y), 1);

    CArray<CGISFieldInfo, CGISFieldInfo&> none;
    EXPECT_EQ(access->UpdateLayerFieldInfo(4, none), 2);
    EXPECT_EQ(Count("GH_FieldInfo", "LayerID = 4"), 0);
    EXPECT_EQ(Count("GH_FieldInfo", "LayerID = 5"), 2);  // another layer's fields stay
}

TEST_F(FieldInfoTest, SystemFieldsAreMadeByNameAndAddedOnlyWhenMissing) {
    CGISFieldInfo shape;
    access->MakeSomeFieldInfo(3, "shape", 1, shape);
    EXPECT_EQ(shape.FieldName, "shape");
    EXPECT_EQ(shape.FieldAlias, "SHAPE");
    EXPECT_EQ(shape.DataType, 8);
    EXPECT_EQ(shape.StatusInfo, 6);
    CGISFieldInfo other = Field("kept");
    access->MakeSomeFieldInfo(3, "UNKNOWN", 5, other);
    EXPECT_EQ(other.FieldName, "kept");
    EXPECT_EQ(other.Sequence, 5);

    CArray<CGISFieldInfo*, CGISFieldInfo*> existing;
    CGISFieldInfo begin = Field("begindate");
    existing.Add(&begin);
    EXPECT_EQ(access->AddLayerSpecialFieldInfo(3, &existing, "BEGINDATE", 0), 0);
    EXPECT_EQ(access->AddLayerSpecialFieldInfo(3, &existing, "RoadRecord", 1), 2);
    EXPECT_EQ(access->AddLayerSpecialFieldInfo(3, nullptr, "BEGINDATE", 2), 2);
    EXPECT_EQ(Rows("SELECT FieldAlias, EnumType FROM GH_FieldInfo ORDER BY Sequence"),
              (Table{{"道路扩展记录", "108"}, {"入库时间", "56"}}));
}

TEST_F(FieldInfoTest, APageIsReadOnFirstUseAndCopiedWithItsField) {
    Exec("INSERT INTO GH_FieldInfo (LayerID, Sequence, PageNum) VALUES (4, 0, 2)");
    CAutoReleaseArray<CGISFieldInfo*, CGISFieldInfo*> out;
    ASSERT_EQ(access->GetLayerFieldInfo(4, out), 2);
    CGISFieldInfo& read = *out[0];
    EXPECT_EQ(read.GetPageInfo(), nullptr);  // the page row is missing; asked again later
    Exec("INSERT INTO GHGIS_PageInfo (PageNum, PageName, LayerId) VALUES (2, 'general', 4)");
    CGHPageInfo* page = read.GetPageInfo();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->PageName, "general");

    CGISFieldInfo copy(read);
    ASSERT_NE(copy.GetPageInfo(), nullptr);
    EXPECT_NE(copy.GetPageInfo(), page);
    EXPECT_EQ(copy.GetPageInfo()->PageName, "general");
}

}  // namespace
}  // namespace ghdb::test
