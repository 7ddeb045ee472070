#pragma once

#include "frame/DBBaseClass.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A property page on which fields of a layer are grouped (GHGIS_PageInfo); a field's PageNum
// names one.
class CGHPageInfo : public CDBBaseClass {
public:
    CGHPageInfo() = default;
    CGHPageInfo(const CGHPageInfo& other) = default;
    CGHPageInfo& operator=(const CGHPageInfo& other) = default;
    ~CGHPageInfo() override = default;

    short PageNum = -1;
    CString PageName;
    long LayerId = -1;

    void ReadFromFields(FieldsPtr& fields, _variant_t& scratch) override;
    void WriteToFields(FieldsPtr& fields) override;
    void AfterUpdateNew(FieldsPtr&, _variant_t&) override {}
};

}  // namespace ghdb
