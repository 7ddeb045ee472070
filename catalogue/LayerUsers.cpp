// Rows of other families that name a layer by id, removed when the layer is removed.

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

long CBaseClassAccess::DelFunLayerByLayerID(long layerId) {
    return db_.ExecuteSilently(
        FormatSql("delete FROM GHGIS_FunLayerConfig WHERE LayerID=%d", layerId));
}

}  // namespace ghdb
