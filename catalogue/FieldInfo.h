#pragma once

#include <memory>

#include "frame/AccessPtr.h"
#include "frame/OwningSet.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CArray.h"
#include "platform/mfc/CString.h"

namespace ghdb {

class CGHPageInfo;

// The ADO data types that field types map to.
enum DataTypeEnum : long {
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adDate = 7,
    adError = 10,
    adBigInt = 20,
    adBinary = 128,
    adVarWChar = 202,
};

// One attribute field of a layer (GH_FieldInfo), keyed by LayerID and Sequence, its 0-based
// position among the layer's fields.
class CGISFieldInfo : public CTableRecord<CGISFieldInfo> {
public:
    CGISFieldInfo() = default;
    // Copies get their own copy of the page info.
    CGISFieldInfo(const CGISFieldInfo& other) = default;
    CGISFieldInfo& operator=(const CGISFieldInfo& other) = default;
    ~CGISFieldInfo() override = default;

    bool IsWritable = true;
    bool IsNullable = false;
    long LayerID = -1;
    // Written, never read back.
    long OutXDataIndex = 0;
    long DataType = -1;
    long EnumType = 200;
    long Length = 0;
    long Precise = 0;
    long Sequence = -1;
    CString FieldName;
    CString FieldAlias;
    // Read specially: a stored unit outside 1 to 5 is derived from EnumType.
    long EnumUnitType = -1;
    _variant_t DefaultValue;
    short PageNum = -1;
    short StatusInfo = 0;
    // The kind of editing control that shows the field.
    short PropCtrlType = 0;

    CString FieldTypeDesc() const;
    CString FieldUnitDesc() const;
    // The code whose description is exactly `desc`, or -1.
    void SetFieldTypeByString(CString desc);
    void SetFieldUnitByString(CString desc);
    // The default value as text; empty when there is none.
    CString DefValueDesc() const;
    void SetDefValueString(CString value);
    short GetPropCtrlType() const { return PropCtrlType; }
    // The field's property page, read on first use through the field's access object; null
    // when it cannot be read (the next call tries again).
    CGHPageInfo* GetPageInfo();

    static DataTypeEnum FieldType2ADOType(long dataType);
    // 1 for the names of the system fields the library maintains, compared without case.
    static int IsReservedField(CString name);
    static void GetAllFieldTypeDesc(CStringArray& out);
    static void GetAllFieldUnitDesc(CStringArray& out);
    // Pick lists of enumeration kinds for hosts.
    static void GetUpdateDBEnumTypeDesc(CStringArray& out);
    static void GetAllEnumTypeDesc(CStringArray& out);

    // Every column but EnumUnitType, which is read and written specially.
    static const ColumnTable<CGISFieldInfo>& Columns();
    void ReadFromFields(FieldsPtr& fields, _variant_t& scratch) override;
    void WriteToFields(FieldsPtr& fields) override;

private:
    // The page info, owned: a copy of the field gets a copy of it.
    class OwnedPageInfo {
    public:
        OwnedPageInfo() noexcept;
        OwnedPageInfo(const OwnedPageInfo& other);
        OwnedPageInfo& operator=(const OwnedPageInfo& other);
        ~OwnedPageInfo();
        std::unique_ptr<CGHPageInfo> info;
    };
    OwnedPageInfo pageInfo_;
};

// The fields of one layer. The set also holds a counted reference to an access object.
class CGISFieldInfoSet : public COwningSet<CGISFieldInfo> {
public:
    void SetDBClassAccess(CBaseClassAccess* access) { access_.SetDBClassAccess(access); }
    CBaseClassAccess* RefDBClassAccess() const noexcept { return access_.RefDBClassAccess(); }

private:
    CBCAccessPtr access_;
};

}  // namespace ghdb
