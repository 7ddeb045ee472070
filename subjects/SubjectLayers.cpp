// Layers assigned to subjects (GHGIS_SubjectLayers), in a display order per subject; an
// assignment of order -1 is kept but left out of the filtered layer list.

#include <cstdint>
#include <optional>

#include "catalogue/Layer.h"
#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"
#include "frame/TableRecord.h"

namespace ghdb {

namespace {

class SubjectLayer : public CTableRecord<SubjectLayer> {
public:
    long SubjectID = 0;
    long LayerID = 0;
    long LayerOrder = 0;

    static const ColumnTable<SubjectLayer>& Columns() {
        static const ColumnTable<SubjectLayer> columns = {
            {"SubjectID", &SubjectLayer::SubjectID},
            {"LayerID", &SubjectLayer::LayerID},
            {"LayerOrder", &SubjectLayer::LayerOrder},
        };
        return columns;
    }
};

// 2 when the query had a row, 1 when it had none, else the status of opening it.
long RowsFound(long opened, int rows) {
    return opened == 2 && rows == 0 ? 1 : opened;
}

}  // namespace

long CBaseClassAccess::GetSubjectLayers(long subjectId, CArray<long, long>& layerIds) {
    int rows = 0;
    const long opened = db_.ReadColumnOfRows<long>(
        FormatSql("SELECT * FROM GHGIS_SubjectLayers WHERE (SubjectID = %d) ORDER BY LayerOrder",
                  subjectId),
        "LayerID", [&](long layerId) { layerIds.Add(layerId); }, &rows);
    return RowsFound(opened, rows);
}

long CBaseClassAccess::GetSubjectLayers(long subjectId, CGISLayerSet& layers, int orderedOnly) {
    return ReadLayers(
        FormatSql("SELECT GHGIS_Layer.* FROM GHGIS_Layer INNER JOIN GHGIS_SubjectLayers ON "
                  "GHGIS_Layer.LayerID = GHGIS_SubjectLayers.LayerID WHERE "
                  "(GHGIS_SubjectLayers.SubjectID = %d%s) ORDER BY GHGIS_SubjectLayers.LayerOrder",
                  subjectId,
                  Verbatim(orderedOnly != 0 ? " AND GHGIS_SubjectLayers.LayerOrder <> -1" : "")),
        layers);
}

long CBaseClassAccess::SetSubjectLayers(long subjectId, CArray<long, long>& layerIds) {
    SubjectLayer row;
    row.SubjectID = subjectId;
    return db_.ReplaceAllWith(
        FormatSql("DELETE FROM GHGIS_SubjectLayers WHERE (SubjectID = %d)", subjectId),
        FormatSql("SELECT * FROM GHGIS_SubjectLayers WHERE (SubjectID = %d)", subjectId),
        layerIds.GetSize(),
        [&](int i) -> CDBBaseClass& {
            row.LayerID = layerIds[i];
            row.LayerOrder = i;
            return row;
        },
        layerIds.GetSize() > 0 ? 2 : 1);
}

long CBaseClassAccess::AddSubjectLayer(long subjectId, long layerId, int layerOrder) {
    const auto insert = [&](long order) {
        return db_.DeleteRecordInfo(
            FormatSql("INSERT INTO GHGIS_SubjectLayers (SubjectID, LayerID, LayerOrder)  VALUES "
                      "(%d, %d, %d) ",
                      subjectId, layerId, order));
    };
    if (layerOrder >= 0) return insert(layerOrder);
    // A negative order puts the layer after the subject's last one.
    return db_.RunSerialised("GHGIS_SubjectLayers", [&]() -> long {
        _variant_t greatest;
        const long read = db_.ReadColumnOfRows<_variant_t>(
            FormatSql("SELECT MAX(LayerOrder) AS MaxValue FROM GHGIS_SubjectLayers WHERE "
                      "(SubjectID = %d)",
                      subjectId),
            "MaxValue", [&](const _variant_t& value) { greatest = value; });
        if (read != 2) return read;
        // No assignment yet: the maximum is NULL.
        const auto last =
            greatest.IsEmptyOrNull() ? std::optional<std::int32_t>() : VariantToI4(greatest);
        return insert(last ? *last + 1 : 0);
    });
}

long CBaseClassAccess::DeleteSubjectLayers(long subjectId) {
    return db_.DeleteRecordInfo(
        FormatSql("Delete FROM GHGIS_SubjectLayers WHERE (SubjectID = %d)", subjectId));
}

long CBaseClassAccess::DeleteSubjectLayersOfCustom(long subjectId) {
    return db_.DeleteRecordInfo(FormatSql(
        "Delete FROM GHGIS_SubjectLayers  WHERE SubjectID = %d AND LayerID < 0 ", subjectId));
}

long CBaseClassAccess::DeleteSubjectLayerOfLayer(long layerId) {
    return db_.DeleteRecordInfo(
        FormatSql("Delete FROM GHGIS_SubjectLayers  WHERE (LayerID = %d) ", layerId));
}

long CBaseClassAccess::GetSubject_Layer_pairs(CArray<long, long>& layerIds,
                                              CArray<long, long>& subjectIds) {
    SubjectLayer working;
    CArray<SubjectLayer, SubjectLayer&> rows;
    const long status =
        db_.ReadAllAsValues("SELECT * FROM GHGIS_SubjectLayers ORDER BY LayerOrder", working, rows);
    for (const SubjectLayer& row : rows) {
        layerIds.Add(row.LayerID);
        subjectIds.Add(row.SubjectID);
    }
    return status;
}

long CBaseClassAccess::AddSubjectLayers(long, CArray<long, long>&) {
    return 0;
}

long CBaseClassAccess::DeleteSubjectLayer(long, long) {
    return 0;
}

long CBaseClassAccess::GetSubjectLayer(long, long, int&) {
    return 0;
}

}  // namespace ghdb
