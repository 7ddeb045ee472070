#include "catalogue/PageInfo.h"

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

const ColumnTable<CGHPageInfo>& CGHPageInfo::Columns() {
    static const ColumnTable<CGHPageInfo> columns = {
        {"PageNum", &CGHPageInfo::PageNum},
        {"PageName", &CGHPageInfo::PageName},
        {"LayerId", &CGHPageInfo::LayerId},
    };
    return columns;
}

long CBaseClassAccess::GetFieldPageInfo(short pageNum, long layerId, CGHPageInfo& page) {
    return db_.ReadOneRecordInfo(
        FormatSql("select * from GHGIS_PageInfo where PageNum=%d and LayerId=%d", pageNum, layerId),
        &page);
}

long CBaseClassAccess::GetAllPageInfo(long layerId,
                                      CAutoReleaseArray<CGHPageInfo*, CGHPageInfo*&>& out) {
    return db_.ReadAllAsNew(FormatSql("SELECT * FROM GHGIS_PageInfo where LayerId=%d", layerId),
                            out, 1);
}

long CBaseClassAccess::DelPageInfoByLayer(long layerId) {
    return db_.ExecuteSilently(FormatSql("delete FROM GHGIS_PageInfo where LayerId=%d", layerId));
}

}  // namespace ghdb
