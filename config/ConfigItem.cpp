// Named settings (GH_ConfigInfo), the schema version (GH_VersionInfo) and the tables that
// workstations copy down (GHSJ_DownLoadTables).

#include "config/ConfigItem.h"

#include <utility>

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"
#include "frame/TableRecord.h"
#include "platform/win/ComputerName.h"

namespace ghdb {

namespace {

constexpr const char* kSelectAllItems = "SELECT * FROM GH_ConfigInfo";

// A setting as a row. An existing row keeps its name when it is rewritten: the name found it,
// and an engine that compares names without case may have found it under another spelling.
class ConfigItemRow : public CDBBaseClass {
public:
    ConfigItemRow() = default;
    ConfigItemRow(const _tagCONFIGITEM& setting, bool writesName)
        : item(setting), writesName_(writesName) {}

    void ReadFromFields(FieldsPtr& fields, _variant_t&) override {
        ReadColumn(fields, "ConfigItemName", item.ConfigItemName);
        ReadColumn(fields, "ConfigItemValue", item.ConfigItemValue);
        ReadColumn(fields, "ConfigRemark", item.ConfigRemark);
    }
    void WriteToFields(FieldsPtr& fields) override {
        if (writesName_) WriteColumn(fields, "ConfigItemName", item.ConfigItemName);
        WriteColumn(fields, "ConfigItemValue", item.ConfigItemValue);
        WriteColumn(fields, "ConfigRemark", item.ConfigRemark);
    }
    void AfterUpdateNew(FieldsPtr&, _variant_t&) override {}

    _tagCONFIGITEM item;

private:
    bool writesName_ = true;
};

// The one row of GH_VersionInfo, as it is made when the table has none.
class VersionRow : public CTableRecord<VersionRow> {
public:
    static const ColumnTable<VersionRow>& Columns() {
        static const ColumnTable<VersionRow> columns = {
            {"ServerName", &VersionRow::ServerName},
            {"VerMajor", &VersionRow::VerMajor},
            {"VerMinor", &VersionRow::VerMinor},
        };
        return columns;
    }

    CString ServerName;
    long VerMajor = 0;
    long VerMinor = 0;
};

}  // namespace

long CBaseClassAccess::GetConfigItems(CArray<_tagCONFIGITEM, _tagCONFIGITEM&>& items) {
    items.RemoveAll();
    CArray<ConfigItemRow, ConfigItemRow&> rows;
    ConfigItemRow working;
    const long status = db_.ReadAllAsValues(kSelectAllItems, working, rows);
    items.SetSize(rows.GetSize());
    for (int i = 0; i < rows.GetSize(); ++i) items[i] = std::move(rows[i].item);
    return status;
}

long CBaseClassAccess::EditConfigItem(_tagCONFIGITEM item) {
    const CString sql = FormatSql("SELECT * FROM GH_ConfigInfo WHERE ( ConfigItemName = '%s' )",
                                  Quoted(item.ConfigItemName));
    // Looked up and added under the table's lock, so that two writers of a new name store
    // one row.
    return db_.RunSerialised("GH_ConfigInfo", [&]() -> long {
        ConfigItemRow existing(item, false);
        const long edited = db_.EditOneRecordInfo(sql, &existing);
        if (edited != 1) return edited;
        ConfigItemRow added(item, true);
        return db_.AddNewOneRecordInfo(sql, &added);
    });
}

long CBaseClassAccess::EditConfigItems(CArray<_tagCONFIGITEM, _tagCONFIGITEM&>& items) {
    const int count = items.GetSize();
    ConfigItemRow row;
    // The rows go in from the last item to the first.
    return db_.ReplaceAllWith(
        "Delete FROM GH_ConfigInfo", kSelectAllItems, count,
        [&](int i) -> CDBBaseClass& {
            row = ConfigItemRow(items[count - 1 - i], true);
            return row;
        },
        count > 0 ? 2 : 1);
}

long CBaseClassAccess::GetSysVersionCode(long& code) {
    int rows = 0;
    const long status = db_.ReadColumnOfRows<_variant_t>(
        "SELECT * FROM GH_VersionInfo", "VerMinor",
        [&](const _variant_t& value) {
            if (value.IsEmptyOrNull()) return;
            if (const auto minor = VariantToI4(value)) code = *minor;
        },
        &rows);
    if (status != 2) return status;
    return rows > 0 ? 2 : 1;
}

long CBaseClassAccess::SetSysVersionCode(long code) {
    constexpr const char* kSelectVersion = "SELECT * FROM GH_VersionInfo";
    // Counted and added under the table's lock, so that the table keeps its one row.
    return db_.RunSerialised("GH_VersionInfo", [&]() -> long {
        long rows = 0;
        const long counted = db_.CountRows(kSelectVersion, rows);
        if (counted != 2) return counted;
        if (rows > 0)
            return db_.DeleteRecordInfo(FormatSql("UPDATE GH_VersionInfo SET VerMinor = %d", code));
        VersionRow version;
        version.ServerName = GetComputerName();
        version.VerMajor = 1;
        version.VerMinor = code;
        return db_.AddNewOneRecordInfo(kSelectVersion, &version);
    });
}

long CBaseClassAccess::GetAllDownLoadTableNames(CStringArray& names) {
    names.RemoveAll();
    int rows = 0;
    const long status = db_.ReadColumnOfRows<CString>(
        "SELECT * FROM GHSJ_DownLoadTables", "DownTableName",
        [&](const CString& name) {
            if (!name.IsEmpty()) names.Add(name);
        },
        &rows);
    if (status != 2) return status;
    return rows > 0 ? 2 : 1;
}

}  // namespace ghdb
