#include "cad/BaseMap.h"

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CKGBaseMap>& CKGBaseMap::Columns() {
    static const ColumnTable<CKGBaseMap> columns = {
        {"GroupID", &CKGBaseMap::GroupID},
        {"GroupName", &CKGBaseMap::GroupName},
        {"Type", &CKGBaseMap::Type},
        {"Scale", &CKGBaseMap::Scale},
        {"TableName", &CKGBaseMap::TableName},
        {"HisTableName", &CKGBaseMap::HisTableName},
        {"DisplayScale", &CKGBaseMap::DisplayScale},
        {"SpatialIndexId", &CKGBaseMap::SpatialIndexId},
    };
    return columns;
}

namespace {

constexpr const char* kSelectOfNameScaleType =
    "SELECT * FROM GHCAD_FileGroup WHERE (GroupName='%s') AND (Scale=%d) AND (Type='%s')";

// A group's file table, in SQL Server's dialect; the drivers rewrite it for the other engines.
constexpr const char* kCreateFileTable =
    "CREATE TABLE %s ( \t[FileName] [varchar](50) COLLATE Chinese_PRC_CI_AS NOT NULL, "
    "\t[FileExt] [varchar](255) COLLATE Chinese_PRC_CI_AS NOT NULL, "
    "\t[FileVersion] [varchar](128) COLLATE Chinese_PRC_CI_AS NOT NULL, "
    "\t[FileVersion2] [varchar](128) COLLATE Chinese_PRC_CI_AS NOT NULL, "
    "\t[FileDate] [datetime] NOT NULL, \t[FileData] [image] NOT NULL, "
    "\t[UserID] [varchar](50) COLLATE Chinese_PRC_CI_AS NOT NULL, "
    "\t[Remark] [varchar](255) COLLATE Chinese_PRC_CI_AS NULL, \t[DrawingDate] [datetime] NULL ) ";

// Runs `sql` with each table name in turn: both tables or, when one statement fails, neither.
long ForBothTables(CRecordAccess& db, const char* sql, const CString& first,
                   const CString& second) {
    return db.RunAllOrNothing([&]() -> long {
        for (const CString* name : {&first, &second}) {
            const long status = db.DeleteRecordInfo(FormatSql(sql, Verbatim(*name)));
            if (status < 0) return status;
        }
        return 2;
    });
}

}  // namespace

long CBaseClassAccess::GetBaseMap(CKGBaseMap& m) {
    return db_.ReadOneRecordInfo(
        FormatSql(kSelectOfNameScaleType, Quoted(m.GroupName), m.Scale, Quoted(m.Type)), &m);
}

long CBaseClassAccess::GetBaseMap(long groupId, CKGBaseMap& m) {
    return db_.ReadOneRecordInfo(
        FormatSql("SELECT * FROM GHCAD_FileGroup WHERE (GroupId='%d')", groupId), &m);
}

long CBaseClassAccess::ExistingBaseMap(CKGBaseMap& m, int& exists) {
    return db_.CheckRecordInfoEmpty(
        FormatSql(kSelectOfNameScaleType, Quoted(m.GroupName), m.Scale, Quoted(m.Type)), exists);
}

long CBaseClassAccess::AddBaseMap(CKGBaseMap& m) {
    return db_.AddNewOneRecordInfo("SELECT * FROM GHCAD_FileGroup WHERE (1 = -1)", &m);
}

long CBaseClassAccess::EditBaseMap(CKGBaseMap& m) {
    return db_.EditOneRecordInfo(
        FormatSql("SELECT * FROM GHCAD_FileGroup WHERE (GroupID = %d)", m.GroupID), &m);
}

long CBaseClassAccess::DeleteBaseMap(long groupId) {
    return db_.DeleteRecordInfo(
        FormatSql("Delete FROM GHCAD_FileGroup  WHERE (GroupId=%d) ", groupId));
}

long CBaseClassAccess::GetAllBaseMapGroup(CArray<CKGBaseMap*, CKGBaseMap*&>& groups) {
    ReleaseArrayData(groups, 0);
    return db_.ReadAllAsNew("SELECT * FROM GHCAD_FileGroup WHERE (1=1)  ORDER BY GroupName", groups,
                            1);
}

long CBaseClassAccess::UpdateAllBaseMapGroup(CArray<CKGBaseMap*, CKGBaseMap*&>& groups) {
    return db_.ReplaceAll("DELETE FROM GHCAD_FileGroup", "SELECT * FROM GHCAD_FileGroup", groups,
                          groups.GetSize() > 0 ? 2 : 1);
}

long CBaseClassAccess::CreateBaseMapTable(CString tableName) {
    return ForBothTables(db_, kCreateFileTable, tableName, tableName + "_HIS");
}

long CBaseClassAccess::DeleteBaseMapTable(CString tableName) {
    return ForBothTables(db_, "DROP TABLE %s", tableName + "_HIS", tableName);
}

}  // namespace ghdb
