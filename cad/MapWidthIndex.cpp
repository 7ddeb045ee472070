#include "cad/MapWidthIndex.h"

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CKGMapWidthIndex>& CKGMapWidthIndex::Columns() {
    static const ColumnTable<CKGMapWidthIndex> columns = {
        {"SpatialIndexId", &CKGMapWidthIndex::SpatialIndexId},
        {"FileName", &CKGMapWidthIndex::FileName},
        {"MinX", &CKGMapWidthIndex::MinX},
        {"MinY", &CKGMapWidthIndex::MinY},
        {"MaxX", &CKGMapWidthIndex::MaxX},
        {"MaxY", &CKGMapWidthIndex::MaxY},
        {"CanSell", &CKGMapWidthIndex::CanSell},
    };
    return columns;
}

long CBaseClassAccess::GetKidsMapWidthIndex(long spatialIndexId,
                                            CArray<CKGMapWidthIndex*, CKGMapWidthIndex*&>& sheets) {
    ReleaseArrayData(sheets, 0);
    return db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GHCAD_FileSpatial WHERE (SpatialIndexId = %d) ORDER BY FileName ",
                  spatialIndexId),
        sheets, 1);
}

long CBaseClassAccess::GetKidsMapWidthIndex(CString condition,
                                            CArray<CKGMapWidthIndex*, CKGMapWidthIndex*&>& sheets) {
    ReleaseArrayData(sheets, 0);
    return db_.ReadAllAsNew(
        FormatSql("SELECT * FROM GHCAD_FileSpatial %s  ORDER BY FileName", Verbatim(condition)),
        sheets, 1);
}

long CBaseClassAccess::UpdateKidsMapWidthIndex(
    long spatialIndexId, CArray<CKGMapWidthIndex*, CKGMapWidthIndex*&>& sheets) {
    return db_.ReplaceAll(
        FormatSql("DELETE FROM GHCAD_FileSpatial WHERE (SpatialIndexId = %d) ", spatialIndexId),
        FormatSql("SELECT * FROM GHCAD_FileSpatial WHERE (SpatialIndexId = %d) ", spatialIndexId),
        sheets);
}

long CBaseClassAccess::UpdateKidsMapWidthIndex(
    CString condition, CArray<CKGMapWidthIndex*, CKGMapWidthIndex*&>& sheets) {
    return db_.ReplaceAll(FormatSql("DELETE FROM GHCAD_FileSpatial  %s", Verbatim(condition)),
                          FormatSql("SELECT * FROM GHCAD_FileSpatial  %s", Verbatim(condition)),
                          sheets);
}

}  // namespace ghdb
