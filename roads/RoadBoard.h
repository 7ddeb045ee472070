#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A road cross-section (GHSJ_RoadBoardInfoConfig): a named arrangement of ways for one road
// type. Its ways, their widths and the widths offered are held per BoardID.
class CGHRoadBoard : public CTableRecord<CGHRoadBoard> {
public:
    CGHRoadBoard() = default;
    CGHRoadBoard(long boardId, long roadType, CString name) { Init(boardId, roadType, name); }
    CGHRoadBoard(const CGHRoadBoard& other) = default;
    CGHRoadBoard& operator=(const CGHRoadBoard& other) = default;
    ~CGHRoadBoard() override = default;

    void Init(long boardId, long roadType, CString name) {
        BoardID = boardId;
        RoadType = roadType;
        BoardName = name;
    }

    long BoardID = -1;
    // 0 one-line, 1 three-line, 2 five-line road.
    long RoadType = -1;
    CString BoardName;

    long GetIDField() const { return BoardID; }
    // The name of the road type; an empty string for an unknown code.
    CString GetRoadType() const;
    // The road type of a name, after trimming white space at both ends; -1 for an unknown name.
    static long GetRoadTypeFromName(CString name);

    static const ColumnTable<CGHRoadBoard>& Columns();
};

}  // namespace ghdb
