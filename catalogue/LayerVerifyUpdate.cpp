#include "catalogue/LayerVerifyUpdate.h"

#include <array>

#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

const ColumnTable<CLayerVerifyUpdate>& Columns() {
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

void CLayerVerifyUpdate::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, Columns(), *this);
}

void CLayerVerifyUpdate::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, Columns(), *this);
}

long CBaseClassAccess::GetLayerVerifyUpdate(CLayerVerifyUpdate& vu) {
    return db_.ReadOneRecordInfo(FormatString(kSelectOfLayer, vu.LayerID), &vu);
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
    return db_.EditOneRecordInfo(FormatString(kSelectOfLayer, layerId), &vu);
}

long CBaseClassAccess::DeleteLayerVerifyUpdate(long layerId) {
    return db_.DeleteRecordInfo(
        FormatString("Delete FROM GH_VerifyUpdate WHERE (LayerID = %d)", layerId));
}

long CBaseClassAccess::ExistingLayerVerifyUpdate(long layerId, int& exists) {
    return db_.CheckRecordInfoEmpty(FormatString(kSelectOfLayer, layerId), exists);
}

long CBaseClassAccess::GetProjectLayerHasGISLayerIdAry(long projectLayerId,
                                                       CArray<long, long>& ids) {
    try {
        CADORecordsetPtr holder;
        const long opened = holder.SetParam(
            db_.Connection(),
            FormatString("SELECT * FROM GH_VerifyUpdate WHERE (ProjectLayerID = %d)",
                         projectLayerId),
            1);
        if (opened != 2) return opened;
        RecordsetPtr& rs = holder.Recordset();
        if (rs->EndOfFile()) return 1;
        rs->MoveFirst();
        FieldsPtr fields = rs->GetFields();
        for (; !rs->EndOfFile(); rs->MoveNext()) {
            // A missing, NULL or unreadable id stays 0 and is skipped with the non-positive ones.
            long layerId = 0;
            ReadColumn(fields, "LayerID", layerId);
            if (layerId > 0) ids.Add(layerId);
        }
        return 2;
    } catch (...) {
        db_.ReportError();
        return -1;
    }
}

}  // namespace ghdb
