#pragma once

#include "frame/Columns.h"
#include "frame/TableRecord.h"
#include "platform/mfc/CString.h"

namespace ghdb {

// A sub-system of the MIS database (S_SubSystem).
class CMISSubSystem : public CTableRecord<CMISSubSystem> {
public:
    CMISSubSystem() = default;
    CMISSubSystem(const CMISSubSystem& other) = default;
    CMISSubSystem& operator=(const CMISSubSystem& other) = default;
    ~CMISSubSystem() override = default;

    CString SystemCode;
    CString SystemName;

    static const ColumnTable<CMISSubSystem>& Columns();
};

// A business of a sub-system (S_Business).
class CMISBusiness : public CTableRecord<CMISBusiness> {
public:
    CMISBusiness() = default;
    CMISBusiness(const CMISBusiness& other) = default;
    CMISBusiness& operator=(const CMISBusiness& other) = default;
    ~CMISBusiness() override = default;

    CString SystemCode;
    CString BusinessCode;
    CString BusinessName;

    static const ColumnTable<CMISBusiness>& Columns();
};

}  // namespace ghdb
