#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// How edits of a GIS layer are checked and carried into the database (GH_VerifyUpdate, one row
// per layer).
class CLayerVerifyUpdate : public CTableRecord<CLayerVerifyUpdate> {
public:
    CLayerVerifyUpdate() = default;
    // The defaults, with the checks that suit a layer of `shapeType`.
    explicit CLayerVerifyUpdate(long shapeType);
    CLayerVerifyUpdate(const CLayerVerifyUpdate& other) = default;
    CLayerVerifyUpdate& operator=(const CLayerVerifyUpdate& other) = default;
    ~CLayerVerifyUpdate() override = default;

    long LayerID = 0;
    long ProjectLayerID = 0;
    // One "0"/"1" per check.
    CString VerifyType = "000000000000000";
    // One "0"/"1" per update rule.
    CString UpdateType = "1100";
    CString UpdateKey;
    CString LayerNameAdd;
    CString LayerNameHis;

    static const ColumnTable<CLayerVerifyUpdate>& Columns();
};

}  // namespace ghdb
