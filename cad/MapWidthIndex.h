#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// One sheet file of a base-map group in the sheet index (GHCAD_FileSpatial), with its extent.
class CKGMapWidthIndex : public CTableRecord<CKGMapWidthIndex> {
public:
    CString FileName;
    float MinX = 0;
    float MinY = 0;
    float MaxX = 0;
    float MaxY = 0;
    // The SpatialIndexId of the group the sheet belongs to.
    long SpatialIndexId = -1;
    // Whether the sheet may be handed out.
    bool CanSell = false;

    // Hosts call it on every record kind; a sheet keeps its values.
    void ClearData() noexcept {}

    static const ColumnTable<CKGMapWidthIndex>& Columns();
};

}  // namespace ghdb
