#include "config/MISInfoURL.h"

#include "frame/BaseClassAccess.h"

namespace ghdb {

const ColumnTable<CMISInfoURL>& CMISInfoURL::Columns() {
    static const ColumnTable<CMISInfoURL> columns = {
        {"KeyName", &CMISInfoURL::KeyName},
        {"MISInfoURL", &CMISInfoURL::MISInfoURL},
        {"Remark", &CMISInfoURL::Remark},
    };
    return columns;
}

CMISInfoURL* CMISInfoURLSet::Find(const char* key) const {
    if (!key) return nullptr;
    for (int i = GetSize() - 1; i >= 0; --i)
        if (GetAt(i)->KeyName == key) return GetAt(i);
    return nullptr;
}

long CBaseClassAccess::GetAllMISInfoURL(CMISInfoURLSet& urls) {
    return db_.ReadAllAsNew("SELECT * FROM GH_MISInfoURL", urls, 1);
}

long CBaseClassAccess::EditAllMISInfoURL(CMISInfoURLSet& urls) {
    return db_.ReplaceAll("Delete FROM GH_MISInfoURL", "SELECT * FROM GH_MISInfoURL", urls);
}

}  // namespace ghdb
