#include "roads/RoadStandard.h"

#include "frame/BaseClassAccess.h"
#include "frame/ColumnWriter.h"
#include "frame/Statement.h"
#include "roads/RoadCodes.h"

namespace ghdb {

namespace {

constexpr const char* kSelectAll = "SELECT * FROM GHSJ_RoadLayerConfig";
constexpr const char* kSelectAllBoards = "SELECT * FROM GHSJ_RoadStandardBoardConfig";
constexpr const char* kSelectAllRadii = "SELECT * FROM GHSJ_RoadStandardRadiusInfoConfig";

// The replacement of the whole list stores the city-road flag as a truth value, where a
// standard written on its own stores it as an integer.
const ColumnTable<CGHRoadStandard>& ReplacedColumns() {
    static const ColumnTable<CGHRoadStandard> columns = {
        {"MLayerID", &CGHRoadStandard::MLayerID},
        {"IsCityRoad", &CGHRoadStandard::IsCityRoad},
        {"HasRoadTypes", &CGHRoadStandard::HasRoadTypes},
        {"RLayerID", &CGHRoadStandard::RLayerID},
        {"ELayerID", &CGHRoadStandard::ELayerID},
        {"GLayerID", &CGHRoadStandard::GLayerID},
        {"TLayerID", &CGHRoadStandard::TLayerID},
    };
    return columns;
}

}  // namespace

const ColumnTable<CGHRoadStandard>& CGHRoadStandard::Columns() {
    static const ColumnTable<CGHRoadStandard> columns = {
        {"MLayerID", &CGHRoadStandard::MLayerID, ColumnRole::ReadBack},
        {"IsCityRoad", &CGHRoadStandard::IsCityRoad, Stored::Integer},
        {"HasRoadTypes", &CGHRoadStandard::HasRoadTypes},
        {"RLayerID", &CGHRoadStandard::RLayerID},
        {"ELayerID", &CGHRoadStandard::ELayerID},
        {"GLayerID", &CGHRoadStandard::GLayerID},
        {"TLayerID", &CGHRoadStandard::TLayerID},
    };
    return columns;
}

void CGHRoadStandard::Init(CGHRoadStandard other) {
    CopyColumns(Columns(), other, *this);
}

CString CGHRoadStandard::GetIsCityRoadName() const {
    return IsCityRoad ? "是" : "否";
}

CString CGHRoadStandard::GetHasRoadTypesName() const {
    CString names;
    for (const CodedName& flag : roads::kRoadTypeFlags)
        if (HasRoadTypes & flag.code) names += flag.name;
    return names;
}

const ColumnTable<CGHRoadStandardBoard>& CGHRoadStandardBoard::Columns() {
    static const ColumnTable<CGHRoadStandardBoard> columns = {
        {"RoadStandardID", &CGHRoadStandardBoard::RoadStandardID, ColumnRole::ReadBack},
        {"RoadBoardID", &CGHRoadStandardBoard::RoadBoardID},
    };
    return columns;
}

const ColumnTable<CGHRoadStandardRadius>& CGHRoadStandardRadius::Columns() {
    static const ColumnTable<CGHRoadStandardRadius> columns = {
        {"RoadStandardID", &CGHRoadStandardRadius::RoadStandardID, ColumnRole::ReadBack},
        {"RoadTypeID", &CGHRoadStandardRadius::RoadTypeID},
        {"RadiusID", &CGHRoadStandardRadius::RadiusID},
    };
    return columns;
}

long CBaseClassAccess::GetAllGHRoadStandard(CArray<CGHRoadStandard*, CGHRoadStandard*&>& out) {
    return db_.ReadAllAsNew(kSelectAll, out, 1);
}

long CBaseClassAccess::EditAllGHRoadStandard(CArray<CGHRoadStandard*, CGHRoadStandard*&>& all) {
    // The links of the standards are left alone: the caller rewrites them when main layer ids
    // change.
    CColumnWriter<CGHRoadStandard> writer(ReplacedColumns());
    return db_.ReplaceAllWith("DELETE FROM GHSJ_RoadLayerConfig", kSelectAll, all.GetSize(),
                              writer.Each(all), all.IsEmpty() ? 1 : 2);
}

long CBaseClassAccess::GetAllGHRoadStandardBoard(
    CArray<CGHRoadStandardBoard*, CGHRoadStandardBoard*&>& out) {
    return db_.ReadAllAsNew(kSelectAllBoards, out, 1);
}

long CBaseClassAccess::EditAllGHRoadStandardBoard(
    CArray<CGHRoadStandardBoard*, CGHRoadStandardBoard*&>& all) {
    return db_.ReplaceAll("Delete FROM GHSJ_RoadStandardBoardConfig", kSelectAllBoards, all);
}

long CBaseClassAccess::GetAllGHRoadStandardRadius(
    CArray<CGHRoadStandardRadius*, CGHRoadStandardRadius*&>& out) {
    return db_.ReadAllAsNew(kSelectAllRadii, out, 1);
}

long CBaseClassAccess::EditAllGHRoadStandardRadius(
    CArray<CGHRoadStandardRadius*, CGHRoadStandardRadius*&>& all) {
    return db_.ReplaceAll("Delete FROM GHSJ_RoadStandardRadiusInfoConfig", kSelectAllRadii, all);
}

long CBaseClassAccess::DeleteRoadStandByLayerID(long layerId) {
    // Silent: a failure is answered with 1, as a statement that hands nothing back. The boards
    // and radii linked to the removed standards stay.
    const long status = db_.ExecuteSilently(FormatSql(
        "delete FROM GHSJ_RoadLayerConfig \t\t\t\t\tWHERE\tMLayerID = %d OR "
        "\t\t\t\t\t\t\tRLayerID = %d OR \t\t\t\t\t\t\tELayerID = %d OR \t\t\t\t\t\t\tGLayerID = %d "
        "OR \t\t\t\t\t\t\tTLayerID = %d",
        layerId, layerId, layerId, layerId, layerId));
    return status == 2 ? 2 : 1;
}

}  // namespace ghdb
