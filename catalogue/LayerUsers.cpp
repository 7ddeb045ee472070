// Rows of other families that name a layer by id, removed when the layer is removed.

#include "frame/BaseClassAccess.h"

namespace ghdb {

long CBaseClassAccess::DeleteRoadStandByLayerID(long layerId) {
    // Failure is silent and answered with 1, as with a statement that hands nothing back.
    const long status = db_.ExecuteSilently(FormatString(
        "delete FROM GHSJ_RoadLayerConfig \t\t\t\t\tWHERE\tMLayerID = %d OR "
        "\t\t\t\t\t\t\tRLayerID = %d OR \t\t\t\t\t\t\tELayerID = %d OR \t\t\t\t\t\t\tGLayerID = %d "
        "OR \t\t\t\t\t\t\tTLayerID = %d",
        layerId, layerId, layerId, layerId, layerId));
    return status == 2 ? 2 : 1;
}

}  // namespace ghdb
