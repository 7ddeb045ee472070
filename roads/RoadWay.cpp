#include "roads/RoadWay.h"

#include "frame/BaseClassAccess.h"
#include "frame/ColumnWriter.h"
#include "frame/Statement.h"

namespace ghdb {

namespace {

constexpr const char* kSelectAll = "SELECT * FROM GHSJ_RoadWayConfig";

}  // namespace

const ColumnTable<CGHRoadWay>& CGHRoadWay::Columns() {
    static const ColumnTable<CGHRoadWay> columns = {
        {"RoadWayID", &CGHRoadWay::RoadWayID, ColumnRole::ReadBack},
        {"RoadWayName", &CGHRoadWay::RoadWayName},
    };
    return columns;
}

const ColumnTable<CGHRoadWayScene>& CGHRoadWayScene::Columns() {
    static const ColumnTable<CGHRoadWayScene> columns = {
        {"RoadWayID", &CGHRoadWayScene::RoadWayID, ColumnRole::ReadBack},
        {"ScenBlockName", &CGHRoadWayScene::ScenBlockName},
    };
    return columns;
}

long CBaseClassAccess::GetAllGHRoadWay(CArray<CGHRoadWay*, CGHRoadWay*&>& out) {
    return db_.ReadAllAsNew(kSelectAll, out, 1);
}

long CBaseClassAccess::EditAllGHRoadWay(CArray<CGHRoadWay*, CGHRoadWay*&>& all) {
    // The ids are stored as the ways carry them, so the boards' ways and the scenes stay valid.
    CColumnWriter<CGHRoadWay> writer(CGHRoadWay::Columns());
    return db_.ReplaceAllWith("DELETE FROM GHSJ_RoadWayConfig", kSelectAll, all.GetSize(),
                              writer.Each(all), all.IsEmpty() ? 1 : 2);
}

long CBaseClassAccess::GetGHRoadWayScene(int roadWayId,
                                         CArray<CGHRoadWayScene*, CGHRoadWayScene*&>& out) {
    return db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GHSJ_RoadWaySceneConfig where RoadWayID = %d", roadWayId), out, 1);
}

}  // namespace ghdb
