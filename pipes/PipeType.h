#pragma once

#include "platform/ado/AdoTypes.h"
#include "platform/com/Variant.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CRecordAccess;

// A pipe type with its point and line layers (GH_PipeTypeDef).
class CPipeTypeDef {
public:
    CPipeTypeDef() = default;
    CPipeTypeDef(const CPipeTypeDef& other) = default;
    CPipeTypeDef& operator=(const CPipeTypeDef& other) = default;
    virtual ~CPipeTypeDef() = default;

    CString PipeName;
    CString PipeCode;
    long PipePointLayerID = -1;
    long PipeLineLayerID = -1;
    // Kept for the host, which gives them their meaning; no column stores them.
    long HostLong1 = -1;
    long HostLong2 = -1;
    double HostDouble = -1.0;
    CString HostText1;
    CString HostText2;
    long HostLong3 = -1;

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
};

}  // namespace ghdb
