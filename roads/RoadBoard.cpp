#include "roads/RoadBoard.h"

#include "frame/BaseClassAccess.h"
#include "frame/ColumnWriter.h"
#include "roads/RoadCodes.h"

namespace ghdb {

namespace {

constexpr const char* kSelectAll = "SELECT * FROM GHSJ_RoadBoardInfoConfig";

}  // namespace

const ColumnTable<CGHRoadBoard>& CGHRoadBoard::Columns() {
    static const ColumnTable<CGHRoadBoard> columns = {
        {"BoardID", &CGHRoadBoard::BoardID, ColumnRole::ReadBack},
        {"RoadType", &CGHRoadBoard::RoadType},
        {"BoardName", &CGHRoadBoard::BoardName},
    };
    return columns;
}

CString CGHRoadBoard::GetRoadType() const {
    return NameOfCode(roads::kRoadTypes, RoadType);
}

long CGHRoadBoard::GetRoadTypeFromName(CString name) {
    return CodeOfName(roads::kRoadTypes, name.Trim());
}

long CBaseClassAccess::GetAllGHRoadBoard(CArray<CGHRoadBoard*, CGHRoadBoard*&>& out) {
    return db_.ReadAllAsNew(kSelectAll, out, 1);
}

long CBaseClassAccess::EditAllGHRoadBoard(CArray<CGHRoadBoard*, CGHRoadBoard*&>& all) {
    // The ids are stored as the boards carry them, so the rows that name boards stay valid.
    CColumnWriter<CGHRoadBoard> writer(CGHRoadBoard::Columns());
    return db_.ReplaceAllWith("DELETE FROM GHSJ_RoadBoardInfoConfig", kSelectAll, all.GetSize(),
                              writer.Each(all), all.IsEmpty() ? 1 : 2);
}

}  // namespace ghdb
