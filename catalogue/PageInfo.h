#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A property page on which fields of a layer are grouped (GHGIS_PageInfo); a field's PageNum
// names one.
class CGHPageInfo : public CTableRecord<CGHPageInfo> {
public:
    CGHPageInfo() = default;
    CGHPageInfo(const CGHPageInfo& other) = default;
    CGHPageInfo& operator=(const CGHPageInfo& other) = default;
    ~CGHPageInfo() override = default;

    short PageNum = -1;
    CString PageName;
    long LayerId = -1;

    static const ColumnTable<CGHPageInfo>& Columns();
};

}  // namespace ghdb
