#pragma once

#include "platform/ado/AdoTypes.h"
#include "platform/com/Variant.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CRecordAccess;

// A special field of a pipeline layer (GH_PipeSpecFieldDef).
class CPipeSpecFieldDef {
public:
    CPipeSpecFieldDef() = default;
    CPipeSpecFieldDef(const CPipeSpecFieldDef& other) = default;
    CPipeSpecFieldDef& operator=(const CPipeSpecFieldDef& other) = default;
    virtual ~CPipeSpecFieldDef() = default;

    CString DefName;
    long LayerID = 0;
    CString FieldName;
    CString TFScale;

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
};

// A predefined field of a pipe (GH_PipePredefineFieldDef): which field of which layer holds it.
class CPipePredefineFieldDef {
public:
    CPipePredefineFieldDef() = default;
    CPipePredefineFieldDef(const CPipePredefineFieldDef& other) = default;
    CPipePredefineFieldDef& operator=(const CPipePredefineFieldDef& other) = default;
    virtual ~CPipePredefineFieldDef() = default;

    CString PipeCode;
    CString PredefineField;
    CString Describe;
    long LayerID = 0;
    CString FieldName;

protected:
    friend class CRecordAccess;
    virtual void ReadFromFields(FieldsPtr& fields, _variant_t& scratch);
    virtual void WriteToFields(FieldsPtr& fields);
};

}  // namespace ghdb
