#include "roads/PlanningLevel.h"

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CGHLevel>& CGHLevel::Columns() {
    static const ColumnTable<CGHLevel> columns = {
        {"LevelID", &CGHLevel::LevelID, ColumnRole::ReadBack},
        {"LevelName", &CGHLevel::LevelName},
    };
    return columns;
}

const ColumnTable<CGHStatus>& CGHStatus::Columns() {
    static const ColumnTable<CGHStatus> columns = {
        {"StatusID", &CGHStatus::StatusID, ColumnRole::ReadBack},
        {"StatusName", &CGHStatus::StatusName},
    };
    return columns;
}

long CBaseClassAccess::GetGHLevel(CGHLevel& rec) {
    return db_.ReadOneRecordInfo(
        FormatSql("SELECT * FROM GHSJ_GHLevelConfig where LevelID=%d", rec.LevelID), &rec);
}

}  // namespace ghdb
