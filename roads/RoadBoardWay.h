#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A way of a board (GHSJ_RoadBoardFieldConfig): which kind of way lies where in the board's
// section, in which order and how wide.
class CGHRoadBoardWay : public CTableRecord<CGHRoadBoardWay> {
public:
    CGHRoadBoardWay() = default;
    CGHRoadBoardWay(const CGHRoadBoardWay& other) = default;
    CGHRoadBoardWay& operator=(const CGHRoadBoardWay& other) = default;
    ~CGHRoadBoardWay() override = default;

    long RoadBoardID = 0;
    // Order of the way within the board.
    long Sequence = 0;
    long RoadWayID = 0;
    // 0 left, 1 middle, 2 right.
    long Pos = 0;
    double Width = 0.0;
    // The drawing block and its position digit, joined as block name, ";", digit.
    CString ScenBlockName;

    // The name of the position; an empty string for an unknown code.
    CString GetPosName() const;
    // The position of a name, compared exactly (no trimming); -1 for an unknown name.
    static long GetPosFromName(CString name);
    // The position digit of a name ("0", "1", "2"); "-1" for an unknown name.
    static CString GetstrPosFromName(CString name);
    // The block name: the text of ScenBlockName before the first ";" (all of it without one).
    CString GetScenName() const;
    // The position name of the digit after the block name and its ";"; an empty string when
    // what follows is not exactly one of the digits.
    CString GetScenPos() const;
    // The width with two decimals.
    CString GetWidth() const;

    static const ColumnTable<CGHRoadBoardWay>& Columns();
};

// A list of widths offered for a board (GHSJ_RoadBoardParaConfig), kept as the text the host
// gives.
class CGHRoadBoardWayWidth : public CTableRecord<CGHRoadBoardWayWidth> {
public:
    CGHRoadBoardWayWidth() = default;
    CGHRoadBoardWayWidth(long boardId, long order, CString widthList)
        : BoardID(boardId), Order(order), Width_List(widthList) {}
    CGHRoadBoardWayWidth(const CGHRoadBoardWayWidth& other) = default;
    CGHRoadBoardWayWidth& operator=(const CGHRoadBoardWayWidth& other) = default;
    ~CGHRoadBoardWayWidth() override = default;

    long BoardID = -1;
    long Order = -1;
    CString Width_List;

    static const ColumnTable<CGHRoadBoardWayWidth>& Columns();
};

}  // namespace ghdb
