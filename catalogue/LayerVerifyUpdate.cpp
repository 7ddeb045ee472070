#include "catalogue/LayerVerifyUpdate.h"

#include <array>

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CLayerVerifyUpdate>& CLayerVerifyUpdate::Columns() {
    static const ColumnTable<CLayerVerifyUpdate> columns = {
        {"LayerID", &CLayerVerifyUpdate::LayerID},
        {"ProjectLayerID", &CLayerVerifyUpdate::ProjectLayerID},
        {"VerifyType", &CLayerVerifyUpdate::VerifyType},
        {"UpdateType", &CLayerVerifyUpdate::UpdateType},
        {"UpdateKey", &CLayerVerifyUpdate::UpdateKey},
        {"LayerNameAdd", &CLayerVerifyUpdate::LayerNameAdd},
        {"LayerNameHis", &CLayerVerifyUpdate::LayerNameHis},
    };
    return columns;
}

namespace {

// Checks run on a new layer, by shape type (point, line, polygon, text); other shape types run
// none.
constexpr std::array<const char*, 4> kChecksOfShape = {
    "110000111000000",
    "111011111000000",
    "111111111000000",
    "110000111000000",
};

constexpr const char* kSelectOfLayer = "SELECT * FROM GH_VerifyUpdate WHERE (LayerID = %d)";

}  // namespace

CLayerVerifyUpdate::CLayerVerifyUpdate(long shapeType) {
    if (shapeType >= 0 && shapeType < static_cast<long>(kChecksOfShape.size()))
        VerifyType = kChecksOfShape[static_cast<std::size_t>(shapeType)];
}

long CBaseClassAccess::GetLayerVerifyUpdate(CLayerVerifyUpdate& vu) {
    return db_.ReadOneRecordInfo(FormatSql(kSelectOfLayer, vu.LayerID), &vu);
}

long CBaseClassAccess::GetLayerVerifyUpdate(long layerId, CLayerVerifyUpdate& vu) {
    vu.LayerID = layerId;
    return GetLayerVerifyUpdate(vu);
}

long CBaseClassAccess::AddLayerVerifyUpdate(CLayerVerifyUpdate& vu) {
    return db_.AddNewOneRecordInfo("SELECT * FROM GH_VerifyUpdate WHERE (1 = -1)", &vu);
}

long CBaseClassAccess::EditLayerVerifyUpdate(CLayerVerifyUpdate& vu) {
    return EditLayerVerifyUpdate(vu.LayerID, vu);
}

long CBaseClassAccess::EditLayerVerifyUpdate(long layerId, CLayerVerifyUpdate& vu) {
    return db_.EditOneRecordInfo(FormatSql(kSelectOfLayer, layerId), &vu);
}

long CBaseClassAccess::DeleteLayerVerifyUpdate(long layerId) {
    return db_.DeleteRecordInfo(
        FormatSql("Delete FROM GH_VerifyUpdate WHERE (LayerID = %d)", layerId));
}

long CBaseClassAccess::ExistingLayerVerifyUpdate(long layerId, int& exists) {
    return db_.CheckRecordInfoEmpty(FormatSql(kSelectOfLayer, layerId), exists);
}

long CBaseClassAccess::GetProjectLayerHasGISLayerIdAry(long projectLayerId,
                                                       CArray<long, long>& ids) {
    int rows = 0;
    const long status = db_.ReadColumnOfRows<long>(
        FormatSql("SELECT * FROM GH_VerifyUpdate WHERE (ProjectLayerID = %d)", projectLayerId),
        "LayerID",
        [&](long layerId) {
            // A missing, NULL or unreadable id reads 0 and is skipped with the non-positive ones.
            if (layerId > 0) ids.Add(layerId);
        },
        &rows);
    return status == 2 && rows == 0 ? 1 : status;
}

}  // namespace ghdb
