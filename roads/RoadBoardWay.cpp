#include "roads/RoadBoardWay.h"

#include "frame/BaseClassAccess.h"
#include "roads/RoadCodes.h"

namespace ghdb {

namespace {

constexpr const char* kSelectAll = "SELECT * FROM GHSJ_RoadBoardFieldConfig";
constexpr const char* kSelectAllWidths = "SELECT * FROM GHSJ_RoadBoardParaConfig";
constexpr char kScenSeparator = ';';

}  // namespace

const ColumnTable<CGHRoadBoardWay>& CGHRoadBoardWay::Columns() {
    static const ColumnTable<CGHRoadBoardWay> columns = {
        {"RoadWayID", &CGHRoadBoardWay::RoadWayID, ColumnRole::ReadBack},
        {"RoadBoardID", &CGHRoadBoardWay::RoadBoardID},
        {"Width", &CGHRoadBoardWay::Width},
        {"Sequence", &CGHRoadBoardWay::Sequence},
        {"Pos", &CGHRoadBoardWay::Pos},
        {"ScenBlockName", &CGHRoadBoardWay::ScenBlockName},
    };
    return columns;
}

CString CGHRoadBoardWay::GetPosName() const {
    return NameOfCode(roads::kWayPositions, Pos);
}

long CGHRoadBoardWay::GetPosFromName(CString name) {
    return CodeOfName(roads::kWayPositions, name);
}

CString CGHRoadBoardWay::GetstrPosFromName(CString name) {
    const long pos = GetPosFromName(name);
    return pos == -1 ? CString("-1") : NameOfCode(roads::kWayPositionDigits, pos);
}

CString CGHRoadBoardWay::GetScenName() const {
    const int separator = ScenBlockName.Find(kScenSeparator);
    return separator < 0 ? ScenBlockName : ScenBlockName.Left(separator);
}

CString CGHRoadBoardWay::GetScenPos() const {
    const CString digit = ScenBlockName.Mid(GetScenName().GetLength() + 1);
    const long pos = CodeOfName(roads::kWayPositionDigits, digit);
    return NameOfCode(roads::kWayPositions, pos);
}

CString CGHRoadBoardWay::GetWidth() const {
    return FormatString("%.2f", Width);
}

const ColumnTable<CGHRoadBoardWayWidth>& CGHRoadBoardWayWidth::Columns() {
    static const ColumnTable<CGHRoadBoardWayWidth> columns = {
        {"BoardID", &CGHRoadBoardWayWidth::BoardID, ColumnRole::ReadBack},
        {"Width_List", &CGHRoadBoardWayWidth::Width_List},
        {"Order", &CGHRoadBoardWayWidth::Order},
    };
    return columns;
}

long CBaseClassAccess::GetAllGHRoadBoardWay(CArray<CGHRoadBoardWay*, CGHRoadBoardWay*&>& out) {
    return db_.ReadAllAsNew(kSelectAll, out, 1);
}

long CBaseClassAccess::EditAllGHRoadBoardWay(CArray<CGHRoadBoardWay*, CGHRoadBoardWay*&>& all) {
    return db_.ReplaceAll("Delete FROM GHSJ_RoadBoardFieldConfig", kSelectAll, all);
}

long CBaseClassAccess::GetAllGHRoadBoardWayWidth(
    CArray<CGHRoadBoardWayWidth*, CGHRoadBoardWayWidth*&>& out) {
    return db_.ReadAllAsNew(kSelectAllWidths, out, 1);
}

long CBaseClassAccess::EditAllGHRoadBoardWayWidth(
    CArray<CGHRoadBoardWayWidth*, CGHRoadBoardWayWidth*&>& all) {
    return db_.ReplaceAll("Delete FROM GHSJ_RoadBoardParaConfig", kSelectAllWidths, all);
}

}  // namespace ghdb
