#pragma once

#include "frame/OwningSet.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// The address of a page of the business-workflow web system, stored under the key the hosts
// look it up by (GH_MISInfoURL). Keys need not be unique.
class CMISInfoURL : public CTableRecord<CMISInfoURL> {
public:
    static const ColumnTable<CMISInfoURL>& Columns();

    CString KeyName;
    CString MISInfoURL;
    CString Remark;
};

class CMISInfoURLSet : public COwningSet<CMISInfoURL> {
public:
    using COwningSet<CMISInfoURL>::Find;
    // The element nearest the end whose key is `key` exactly (case counts); null when none.
    CMISInfoURL* Find(const char* key) const;
};

}  // namespace ghdb
