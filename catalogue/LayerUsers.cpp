// Rows of other families that name a layer by id, removed when the layer is removed.

#include "frame/BaseClassAccess.h"

namespace ghdb {

long CBaseClassAccess::DelFunLayerByLayerID(long layerId) {
    return db_.ExecuteSilently(
        FormatString("delete FROM GHGIS_FunLayerConfig WHERE LayerID=%d", layerId));
}

}  // namespace ghdb
