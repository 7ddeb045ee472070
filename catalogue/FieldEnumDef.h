#pragma once

#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// One entry of the value list of an enumerated field (GHSJ_FieldEnumDef): a code and the text
// shown for it, in display order within its enumeration. The database assigns ID.
class CFieldEnumDef : public CTableRecord<CFieldEnumDef> {
public:
    CFieldEnumDef() = default;
    CFieldEnumDef(const CFieldEnumDef& other) = default;
    CFieldEnumDef& operator=(const CFieldEnumDef& other) = default;
    ~CFieldEnumDef() override = default;

    long ID = -1;
    CString EnumText;
    long EnumValue = 0;
    long EnumType = -1;
    long Sequence = 0;
    CString EnumDescribe;

    // ID is the database's and never written.
    static const ColumnTable<CFieldEnumDef>& Columns();
};

}  // namespace ghdb
