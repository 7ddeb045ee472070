#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

class BaseMapTest : public FamilyTest {
protected:
    void AddGroup(long id, const char* name, long scale = 500) {
        auto* group = new CKGBaseMap;
        group->GroupID = id;
        group->GroupName = name;
        group->Scale = scale;
        group->Type = "DWG";
        group->TableName = std::string("T") + std::to_string(id);
        group->DisplayScale = 0.25 * static_cast<double>(id);
        group->SpatialIndexId = 100 + id;
        groups.Add(group);
    }
    void AddSheet(long spatialIndexId, const char* file, float minX = 0, bool canSell = false) {
        auto* sheet = new CKGMapWidthIndex;
        sheet->SpatialIndexId = spatialIndexId;
        sheet->FileName = file;
        sheet->MinX = minX;
        sheet->MaxY = 502.5f;
        sheet->CanSell = canSell;
        sheets.Add(sheet);
    }
    std::vector<std::string> SheetFiles(long spatialIndexId) {
        std::vector<std::string> files;
        EXPECT_EQ(access->GetKidsMapWidthIndex(spatialIndexId, sheets), 2);
        for (const CKGMapWidthIndex* sheet : sheets) files.push_back(sheet->FileName.str());
        return files;
    }
    bool Exists(const std::string& table) {
        try {
            Rows("SELECT COUNT(*) FROM " + table);
            return true;
        } catch (const _com_error&) {
            return false;
        }
    }

    CAutoReleaseArray<CKGMapWidthIndex*, CKGMapWidthIndex*&> sheets;
    CAutoReleaseArray<CKGBaseMap*, CKGBaseMap*&> groups;
};

TEST_F(BaseMapTest, GroupsAreStoredFoundEditedAndRemoved) {
    const CKGBaseMap fresh;
    EXPECT_EQ((std::vector<long>{fresh.Scale, fresh.SpatialIndexId, fresh.GroupID}),
              (std::vector<long>{-1, -1, -1}));

    AddGroup(7, "King's 地形图");
    CKGBaseMap& group = *groups[0];
    group.Type = "D'WG";
    int exists = -1;
    EXPECT_EQ(access->ExistingBaseMap(group, exists), 1);
    EXPECT_EQ(exists, 0);
    EXPECT_EQ(access->AddBaseMap(group), 2);
    EXPECT_EQ(access->ExistingBaseMap(group, exists), 1);
    EXPECT_EQ(exists, 1);

    CKGBaseMap byName;
    byName.GroupName = "king's 地形图";  // names compare without regard to case
    byName.Scale = 500;
    byName.Type = "D'WG";
    EXPECT_EQ(access->GetBaseMap(byName), 2);
    EXPECT_EQ(byName.GroupID, 7);
    EXPECT_DOUBLE_EQ(byName.DisplayScale, 1.75);
    EXPECT_EQ(byName.SpatialIndexId, 107);

    group.Scale = 2000;
    EXPECT_EQ(access->EditBaseMap(group), 2);
    CKGBaseMap byKey;
    EXPECT_EQ(access->GetBaseMap(7, byKey), 2);
    EXPECT_EQ(byKey.Scale, 2000);
    group.GroupID = 8;
    EXPECT_EQ(access->EditBaseMap(group), 1);

    // The group row goes; its sheets stay.
    AddSheet(107, "a.dwg");
    EXPECT_EQ(access->UpdateKidsMapWidthIndex(107, sheets), 2);
    EXPECT_EQ(access->DeleteBaseMap(7), 2);
    EXPECT_EQ(Count("GHCAD_FileGroup"), 0);
    EXPECT_EQ(Count("GHCAD_FileSpatial"), 1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(BaseMapTest, GroupsAreReadByNameAndSheetsPerGroupOrByCondition) {
    AddGroup(2, "影像", 1000);
    AddGroup(1, "Topo");
    EXPECT_EQ(access->UpdateAllBaseMapGroup(groups), 2);
    // The array's records are freed before it is filled; the display scale is kept.
    EXPECT_EQ(access->GetAllBaseMapGroup(groups), 2);
    EXPECT_EQ(
        Each(groups, [](auto* g) { return Row(g->GroupName, g->DisplayScale, g->SpatialIndexId); }),
        (Table{{"Topo", "0.25", "101"}, {"影像", "0.5", "102"}}));

    AddSheet(9, "b.dwg", 1.5f, true);
    AddSheet(9, "a.dwg");
    AddSheet(4, "other.dwg");  // stored under its own group
    EXPECT_EQ(access->UpdateKidsMapWidthIndex(9, sheets), 2);
    EXPECT_EQ(SheetFiles(9), (std::vector<std::string>{"a.dwg", "b.dwg"}));
    EXPECT_EQ(Each(sheets, [](auto* s) { return Row(s->MinX, s->MaxY, s->CanSell ? 1 : 0); }),
              (Table{{"0", "502.5", "0"}, {"1.5", "502.5", "1"}}));
    EXPECT_EQ(access->GetKidsMapWidthIndex("WHERE (FileName LIKE 'o%')", sheets), 2);
    ASSERT_EQ(sheets.GetSize(), 1);
    EXPECT_EQ(sheets[0]->SpatialIndexId, 4);
    // The empty condition is the whole table.
    ReleaseArrayData(sheets, 0);
    EXPECT_EQ(access->UpdateKidsMapWidthIndex("", sheets), 2);
    EXPECT_EQ(Count("GHCAD_FileSpatial"), 0);
}

// A group's file table and its history twin: made, written, read and dropped on every engine.
TEST_F(BaseMapTest, FileTablesAreMadeAndDroppedInPairs) {
    ASSERT_EQ(access->CreateBaseMapTable("GHCAD_Sheet500"), 2);

    // Binary data, NUL and high bytes included, comes back as it went in.
    const std::string drawing("AC1027\0\x01\xff\x80 dwg", 14);
    for (const char* table : {"GHCAD_Sheet500", "GHCAD_Sheet500_HIS"}) {
        Recordset rs;
        rs.Open((std::string("SELECT * FROM ") + table + " WHERE (1 = -1)").c_str(),
                access->RefConnection(), adOpenKeyset, adLockOptimistic, adCmdText);
        rs.AddNew();
        FieldsPtr fields = rs.GetFields();
        for (const char* column : {"FileExt", "FileVersion", "FileVersion2"})
            fields->GetItem(column)->PutValue(_variant_t("1"));
        fields->GetItem("FileName")->PutValue(_variant_t("Sheet-A.dwg"));
        fields->GetItem("FileDate")->PutValue(_variant_t("2024-05-01 08:30:00"));
        fields->GetItem("FileData")->PutValue(_variant_t::Bytes(drawing));
        fields->GetItem("UserID")->PutValue(_variant_t("surveyor"));
        rs.Update();
    }
    Recordset read;
    read.Open("SELECT FileData FROM GHCAD_Sheet500_HIS WHERE FileName = 'SHEET-a.DWG'",
              access->RefConnection(), adOpenKeyset, adLockReadOnly, adCmdText);
    ASSERT_FALSE(read.EndOfFile());
    const _variant_t& data = read.GetFields()->GetItem("FileData")->GetValue();
    EXPECT_EQ(data.vt, VT_BLOB_BYTES);
    EXPECT_EQ(data.str, drawing);
    EXPECT_EQ(Count("GHCAD_Sheet500", "UserID = 'SURVEYOR' AND Remark IS NULL"), 1);

    StatementLog& log = LogStatements();
    EXPECT_EQ(access->DeleteBaseMapTable("GHCAD_Sheet500"), 2);
    EXPECT_EQ(log.statements(), (std::vector<std::string>{"DROP TABLE GHCAD_Sheet500_HIS",
                                                          "DROP TABLE GHCAD_Sheet500"}));
    EXPECT_FALSE(Exists("GHCAD_Sheet500"));
    EXPECT_FALSE(Exists("GHCAD_Sheet500_HIS"));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(BaseMapTest, FileTablesAreMadeOrDroppedBothOrNeither) {
    // The history table is in the way: the file table is not left behind.
    Exec("CREATE TABLE GHCAD_Busy_HIS (FileName varchar(50))");
    EXPECT_EQ(access->CreateBaseMapTable("GHCAD_Busy"), -1);
    EXPECT_FALSE(Exists("GHCAD_Busy"));
    // Only the history table is there: dropping fails on the file table and keeps it.
    EXPECT_EQ(access->DeleteBaseMapTable("GHCAD_Busy"), -1);
    EXPECT_TRUE(Exists("GHCAD_Busy_HIS"));
    EXPECT_EQ(messages.messages().size(), 2u);
}

}  // namespace
}  // namespace ghdb::test
