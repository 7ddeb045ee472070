#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A kind of way, a strip across a road section (GHSJ_RoadWayConfig).
class CGHRoadWay : public CTableRecord<CGHRoadWay> {
public:
    CGHRoadWay() = default;
    CGHRoadWay(long id, CString name) : RoadWayID(id), RoadWayName(name) {}
    CGHRoadWay(const CGHRoadWay& other) = default;
    CGHRoadWay& operator=(const CGHRoadWay& other) = default;
    ~CGHRoadWay() override = default;

    long RoadWayID = -1;
    CString RoadWayName;

    long GetIDField() const { return RoadWayID; }

    static const ColumnTable<CGHRoadWay>& Columns();
};

// A drawing block that can depict a kind of way (GHSJ_RoadWaySceneConfig).
class CGHRoadWayScene : public CTableRecord<CGHRoadWayScene> {
public:
    CGHRoadWayScene() = default;
    CGHRoadWayScene(long roadWayId, CString blockName)
        : RoadWayID(roadWayId), ScenBlockName(blockName) {}
    CGHRoadWayScene(const CGHRoadWayScene& other) = default;
    CGHRoadWayScene& operator=(const CGHRoadWayScene& other) = default;
    ~CGHRoadWayScene() override = default;

    long RoadWayID = -1;
    CString ScenBlockName;

    long GetIDField() const { return RoadWayID; }

    static const ColumnTable<CGHRoadWayScene>& Columns();
};

}  // namespace ghdb
