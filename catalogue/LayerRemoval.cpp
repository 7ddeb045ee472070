// Removal of a layer from the whole catalogue, and of a group's child layer.

#include "catalogue/LayerEx.h"
#include "catalogue/LayerGroup.h"
#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

long CBaseClassAccess::DeleteLayer(long layerId) {
    // Everything that names the layer goes before the layer row. The figure layer is found
    // through the layer's extension, so it goes before the extension.
    return db_.RunCascade(CRecordAccess::CascadeStatus::Done, [&](auto&) {
        DelFieldRelationByLayer(layerId);
        DeleteAllLayerFieldInfo(layerId);
        DelPageInfoByLayer(layerId);
        CLayerEx extension;
        if (GetGISLayerEx(layerId, extension) == 2) DeleteFigureLayerEx(extension.LayerParseID);
        db_.DeleteRecordInfo(FormatSql(
            "Delete FROM GHGIS_ApplyClass WHERE (DataObjectType = 0) AND (DataObjectID = %d)",
            layerId));
        DeleteGISLayerEx(layerId);
        DeleteLayerVerifyUpdate(layerId);
        db_.DeleteRecordInfo(
            FormatSql("Delete FROM GHGIS_SubjectLayers WHERE (LayerID = %d)", layerId));
        DelFunLayerByLayerID(layerId);
        DeleteRoadStandByLayerID(layerId);
        DelGroupLayerByLayer(layerId);
        db_.DeleteRecordInfo(FormatSql("DELETE FROM GHGIS_Layer WHERE LayerID = %d ", layerId));
    });
}

void CGISLayerGroup::DeleteLayer(CGISLayer* layer) {
    CGISLayerSet* kids = RefKidLayers();
    CBaseClassAccess* access = RefDBClassAccess();
    if (!layer || !kids || !access) return;
    access->DeleteLayer(layer->LayerID);
    kids->Delete(layer);
}

void CGISLayerGroup::DeleteLayer(int index) {
    CGISLayerSet* kids = RefKidLayers();
    if (kids && index >= 0 && index < kids->GetSize()) DeleteLayer(kids->GetAt(index));
}

}  // namespace ghdb
