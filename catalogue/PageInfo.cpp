#include "catalogue/PageInfo.h"

#include "frame/BaseClassAccess.h"
#include "frame/Columns.h"

namespace ghdb {

namespace {

const ColumnTable<CGHPageInfo>& Columns() {
    static const ColumnTable<CGHPageInfo> columns = {
        {"PageNum", &CGHPageInfo::PageNum},
        {"PageName", &CGHPageInfo::PageName},
        {"LayerId", &CGHPageInfo::LayerId},
    };
    return columns;
}

}  // namespace

void CGHPageInfo::ReadFromFields(FieldsPtr& fields, _variant_t&) {
    ReadColumns(fields, Columns(), *this);
}

void CGHPageInfo::WriteToFields(FieldsPtr& fields) {
    WriteColumns(fields, Columns(), *this);
}

long CBaseClassAccess::GetFieldPageInfo(short pageNum, long layerId, CGHPageInfo& page) {
    return db_.ReadOneRecordInfo(
        FormatString("select * from GHGIS_PageInfo where PageNum=%d and LayerId=%d", pageNum,
                     layerId),
        &page);
}

long CBaseClassAccess::GetAllPageInfo(long layerId,
                                      CAutoReleaseArray<CGHPageInfo*, CGHPageInfo*&>& out) {
    return db_.ReadAllAsNew(FormatString("SELECT * FROM GHGIS_PageInfo where LayerId=%d", layerId),
                            out, 1);
}

long CBaseClassAccess::DelPageInfoByLayer(long layerId) {
    return db_.ExecuteSilently(
        FormatString("delete FROM GHGIS_PageInfo where LayerId=%d", layerId));
}

}  // namespace ghdb
