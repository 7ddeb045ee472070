#include "mis/MisSystem.h"

#include "frame/Statement.h"
#include "mis/MisDBAccess.h"

namespace ghdb {

const ColumnTable<CMISSubSystem>& CMISSubSystem::Columns() {
    static const ColumnTable<CMISSubSystem> columns = {
        {"SystemCode", &CMISSubSystem::SystemCode},
        {"SystemName", &CMISSubSystem::SystemName},
    };
    return columns;
}

const ColumnTable<CMISBusiness>& CMISBusiness::Columns() {
    static const ColumnTable<CMISBusiness> columns = {
        {"SystemCode", &CMISBusiness::SystemCode},
        {"BusinessCode", &CMISBusiness::BusinessCode},
        {"BusinessName", &CMISBusiness::BusinessName},
    };
    return columns;
}

long CMisDBAccess::GetAllMISSubSytem(CArray<CMISSubSystem, CMISSubSystem&>& out) {
    CMISSubSystem working;
    return db_.ReadAllAsValues(
        "SELECT SystemCode, SystemName\tFROM S_SubSystem WHERE (LTRIM(ParentSystem) <> '')",
        working, out);
}

long CMisDBAccess::GetBusinessInSubSystem(CString systemCode,
                                          CArray<CMISBusiness, CMISBusiness&>& out) {
    CMISBusiness working;
    return db_.ReadAllAsValues(
        FormatSql("SELECT * FROM S_Business WHERE (SystemCode = '%s')", Quoted(systemCode)),
        working, out);
}

}  // namespace ghdb
