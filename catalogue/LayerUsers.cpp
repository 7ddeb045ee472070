// Rows of other families that name a layer by id, removed when the layer is removed.

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

long CBaseClassAccess::DelFunLayerByLayerID(long layerId) {
    return db_.ExecuteSilently(
        FormatSql("delete FROM GHGIS_FunLayerConfig WHERE LayerID=%d", layerId));
}

long CBaseClassAccess::DeleteRoadStandByLayerID(long layerId) {
    // Failure is silent and answered with 1, as with a statement that hands nothing back.
    const long status = db_.ExecuteSilently(FormatSql(
        "delete FROM GHSJ_RoadLayerConfig \t\t\t\t\tWHERE\tMLayerID = %d OR "
        "\t\t\t\t\t\t\tRLayerID = %d OR \t\t\t\t\t\t\tELayerID = %d OR \t\t\t\t\t\t\tGLayerID = %d "
        "OR \t\t\t\t\t\t\tTLayerID = %d",
        layerId, layerId, layerId, layerId, layerId));
    return status == 2 ? 2 : 1;
}

}  // namespace ghdb
