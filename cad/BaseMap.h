#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A base-map group (GHCAD_FileGroup): a set of CAD map sheets of one name, kind and scale. Its
// drawing files live in two tables of its own, the current files and their history, and its
// sheets are listed in GHCAD_FileSpatial under SpatialIndexId. The caller chooses GroupID.
class CKGBaseMap : public CTableRecord<CKGBaseMap> {
public:
    CString GroupName;
    // Scale denominator.
    long Scale = -1;
    double DisplayScale = 0.0;
    // The kind of base map, as text.
    CString Type;
    // The group's file table and its history twin.
    CString TableName;
    CString HisTableName;
    long SpatialIndexId = -1;
    long GroupID = -1;

    long GetIDField() const noexcept { return GroupID; }
    // Hosts call it on every record kind; a group keeps its values.
    void ClearData() noexcept {}

    static const ColumnTable<CKGBaseMap>& Columns();
};

}  // namespace ghdb
