#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A road standard (GHSJ_RoadLayerConfig): the layers on which one kind of designed road is
// drawn, a main layer and one layer per line role, and the cross-section variants it offers.
// The main layer's id is the standard's key; the boards and radii linked to a standard name it
// by that id.
class CGHRoadStandard : public CTableRecord<CGHRoadStandard> {
public:
    CGHRoadStandard() = default;
    CGHRoadStandard(const CGHRoadStandard& other) = default;
    CGHRoadStandard& operator=(const CGHRoadStandard& other) = default;
    ~CGHRoadStandard() override = default;

    long MLayerID = 0;
    bool IsCityRoad = false;
    // Bit flags of the cross-section variants: 1 one-line, 2 three-line, 4 five-line road.
    long HasRoadTypes = 0;
    long RLayerID = 0;
    long ELayerID = 0;
    long GLayerID = 0;
    long TLayerID = 0;

    // Copies the seven members; the access object stays this record's own.
    void Init(CGHRoadStandard other);
    long GetIDField() const { return MLayerID; }
    // "是" for a city road, else "否".
    CString GetIsCityRoadName() const;
    // The names of the variants offered, joined without separator; other bits are ignored.
    CString GetHasRoadTypesName() const;

    static const ColumnTable<CGHRoadStandard>& Columns();
};

// A board that a road standard may use (GHSJ_RoadStandardBoardConfig).
class CGHRoadStandardBoard : public CTableRecord<CGHRoadStandardBoard> {
public:
    CGHRoadStandardBoard() = default;
    CGHRoadStandardBoard(long roadStandardId, long roadBoardId) {
        Init(roadStandardId, roadBoardId);
    }
    CGHRoadStandardBoard(const CGHRoadStandardBoard& other) = default;
    CGHRoadStandardBoard& operator=(const CGHRoadStandardBoard& other) = default;
    ~CGHRoadStandardBoard() override = default;

    void Init(long roadStandardId, long roadBoardId) {
        RoadStandardID = roadStandardId;
        RoadBoardID = roadBoardId;
    }

    long RoadStandardID = -1;
    long RoadBoardID = -1;

    static const ColumnTable<CGHRoadStandardBoard>& Columns();
};

// The default radius that a road standard uses for one road type
// (GHSJ_RoadStandardRadiusInfoConfig).
class CGHRoadStandardRadius : public CTableRecord<CGHRoadStandardRadius> {
public:
    CGHRoadStandardRadius() = default;
    CGHRoadStandardRadius(long roadStandardId, long roadTypeId, long radiusId) {
        Init(roadStandardId, roadTypeId, radiusId);
    }
    CGHRoadStandardRadius(const CGHRoadStandardRadius& other) = default;
    CGHRoadStandardRadius& operator=(const CGHRoadStandardRadius& other) = default;
    ~CGHRoadStandardRadius() override = default;

    void Init(long roadStandardId, long roadTypeId, long radiusId) {
        RoadStandardID = roadStandardId;
        RoadTypeID = roadTypeId;
        RadiusID = radiusId;
    }

    long RoadStandardID = -1;
    long RoadTypeID = -1;
    long RadiusID = -1;

    static const ColumnTable<CGHRoadStandardRadius>& Columns();
};

}  // namespace ghdb
