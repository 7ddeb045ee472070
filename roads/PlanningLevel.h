#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A planning level (GHSJ_GHLevelConfig). An id of -1 stands for no level.
class CGHLevel : public CTableRecord<CGHLevel> {
public:
    CGHLevel() = default;
    CGHLevel(long id, CString name) { Init(id, name); }
    CGHLevel(const CGHLevel& other) = default;
    CGHLevel& operator=(const CGHLevel& other) = default;
    ~CGHLevel() override = default;

    void Init(long id, CString name) {
        LevelID = id;
        LevelName = name;
    }

    long LevelID = -1;
    CString LevelName;

    static const ColumnTable<CGHLevel>& Columns();
};

// A planning status. The library stores no statuses itself: hosts fill the arrays that work
// types look statuses up in.
class CGHStatus : public CTableRecord<CGHStatus> {
public:
    CGHStatus() = default;
    CGHStatus(long id, CString name) { Init(id, name); }
    CGHStatus(const CGHStatus& other) = default;
    CGHStatus& operator=(const CGHStatus& other) = default;
    ~CGHStatus() override = default;

    void Init(long id, CString name) {
        StatusID = id;
        StatusName = name;
    }

    long StatusID = -1;
    CString StatusName;

    static const ColumnTable<CGHStatus>& Columns();
};

}  // namespace ghdb
