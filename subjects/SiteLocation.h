#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A place-finding entry (GHGIS_SiteLocation): a location and a sub-location within it, looked
// up in a field of a layer. The table is listed and replaced as a whole.
class CGISSiteLocation : public CTableRecord<CGISSiteLocation> {
public:
    CGISSiteLocation() = default;
    CGISSiteLocation(const CGISSiteLocation& other) = default;
    CGISSiteLocation& operator=(const CGISSiteLocation& other) = default;
    CGISSiteLocation(CGISSiteLocation&& other) noexcept = default;
    CGISSiteLocation& operator=(CGISSiteLocation&& other) noexcept = default;
    ~CGISSiteLocation() override = default;

    CString LocationName;
    CString SubLocationName;
    long LayerID = 0;
    // The field of the layer that holds the place name.
    CString FieldName;

    static const ColumnTable<CGISSiteLocation>& Columns();
};

}  // namespace ghdb
