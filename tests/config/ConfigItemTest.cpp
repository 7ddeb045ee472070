#include <gtest/gtest.h>

#include "catalogue/CatalogueFixture.h"

namespace ghdb::test {
namespace {

class ConfigItemTest : public CatalogueTest {
protected:
    void InsertSetting(const std::string& name, const std::string& value,
                       const std::string& remark = "NULL") {
        Exec("INSERT INTO GH_ConfigInfo (ConfigItemName, ConfigItemValue, ConfigRemark) VALUES ('" +
             name + "', '" + value + "', " + remark + ")");
    }
    static _tagCONFIGITEM Setting(const char* name, const char* value, const char* remark = "") {
        return _tagCONFIGITEM{name, value, remark};
    }
    std::vector<std::string> StoredNames() {
        CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
        access->GetConfigItems(items);
        std::vector<std::string> names;
        for (int i = 0; i < items.GetSize(); ++i) names.push_back(items[i].ConfigItemName.str());
        return names;
    }
};

TEST_F(ConfigItemTest, SettingsAreReadInTableOrderAfterEmptyingTheArray) {
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
    _tagCONFIGITEM stale = Setting("stale", "x");
    items.Add(stale);
    EXPECT_EQ(access->GetConfigItems(items), 1);
    EXPECT_EQ(items.GetSize(), 0);

    InsertSetting("ArcSymbolPath", "/symbols", "'where the symbols are'");
    InsertSetting("DWGSharedPath", "/shared");
    EXPECT_EQ(access->GetConfigItems(items), 2);
    ASSERT_EQ(items.GetSize(), 2);
    EXPECT_EQ(items[0].ConfigRemark, "where the symbols are");
    EXPECT_EQ(items[1].ConfigItemName, "DWGSharedPath");
    EXPECT_EQ(items[1].ConfigItemValue, "/shared");
    EXPECT_EQ(items[1].ConfigRemark, "");
}

TEST_F(ConfigItemTest, OneSettingIsAddedOrItsFirstRowRewritten) {
    InsertSetting("A", "1", "'first'");
    InsertSetting("A", "2", "'second'");
    StatementLog& log = LogStatements();
    EXPECT_EQ(access->EditConfigItem(Setting("A", "9", "changed")), 2);
    EXPECT_EQ(Rows("SELECT ConfigItemValue, ConfigRemark FROM GH_ConfigInfo ORDER BY "
                   "ConfigItemValue"),
              (Table{{"2", "second"}, {"9", "changed"}}));

    // A name with an apostrophe is a value like any other.
    EXPECT_EQ(access->EditConfigItem(Setting("it's", "v")), 2);
    EXPECT_EQ(access->EditConfigItem(Setting("it's", "w")), 2);
    EXPECT_EQ(Rows("SELECT ConfigItemValue FROM GH_ConfigInfo WHERE ConfigItemName = 'it''s'"),
              (Table{{"w"}}));
    EXPECT_EQ(log.statements().back(),
              "SELECT * FROM GH_ConfigInfo WHERE ( ConfigItemName = 'it''s' )");
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(ConfigItemTest, TheWholeTableIsReplacedFromTheLastItemToTheFirst) {
    InsertSetting("old", "o");
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
    for (const char* name : {"A", "B", "C"}) {
        _tagCONFIGITEM item = Setting(name, "v");
        items.Add(item);
    }
    EXPECT_EQ(access->EditConfigItems(items), 2);
    EXPECT_EQ(StoredNames(), (std::vector<std::string>{"C", "B", "A"}));

    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> none;
    EXPECT_EQ(access->EditConfigItems(none), 1);
    EXPECT_EQ(Count("GH_ConfigInfo"), 0);
}

TEST_F(ConfigItemTest, TheVersionRowIsMadeOnceAndThenOnlyItsMinorNumberChanges) {
    long code = 42;
    EXPECT_EQ(access->GetSysVersionCode(code), 1);
    EXPECT_EQ(code, 42);

    EXPECT_EQ(access->SetSysVersionCode(7), 2);
    const std::string host = GetComputerName().str();
    EXPECT_EQ(Rows("SELECT ServerName, VerMajor, VerMinor FROM GH_VersionInfo"),
              (Table{{host, "1", "7"}}));
    EXPECT_EQ(access->SetSysVersionCode(8), 2);
    EXPECT_EQ(Rows("SELECT ServerName, VerMajor, VerMinor FROM GH_VersionInfo"),
              (Table{{host, "1", "8"}}));
    EXPECT_EQ(access->GetSysVersionCode(code), 2);
    EXPECT_EQ(code, 8);

    // A row without a minor number does not count.
    Exec("INSERT INTO GH_VersionInfo (ServerName, VerMajor) VALUES ('other', 2)");
    code = 0;
    EXPECT_EQ(access->GetSysVersionCode(code), 2);
    EXPECT_EQ(code, 8);
}

TEST_F(ConfigItemTest, DownloadTableNamesSkipEmptyRows) {
    CStringArray names;
    names.Add("stale");
    EXPECT_EQ(access->GetAllDownLoadTableNames(names), 1);
    EXPECT_EQ(names.GetSize(), 0);
    Exec("INSERT INTO GHSJ_DownLoadTables (DownTableName) VALUES ('GHGIS_Layer')");
    Exec("INSERT INTO GHSJ_DownLoadTables (DownTableName) VALUES (NULL)");
    Exec("INSERT INTO GHSJ_DownLoadTables (DownTableName) VALUES ('')");
    Exec("INSERT INTO GHSJ_DownLoadTables (DownTableName) VALUES ('GH_FieldInfo')");
    EXPECT_EQ(access->GetAllDownLoadTableNames(names), 2);
    ASSERT_EQ(names.GetSize(), 2);
    EXPECT_EQ(names[0], "GHGIS_Layer");
    EXPECT_EQ(names[1], "GH_FieldInfo");

    Exec(
        "DELETE FROM GHSJ_DownLoadTables WHERE DownTableName = 'GHGIS_Layer' OR DownTableName "
        "= 'GH_FieldInfo'");
    EXPECT_EQ(access->GetAllDownLoadTableNames(names), 2);
    EXPECT_EQ(names.GetSize(), 0);
}

}  // namespace
}  // namespace ghdb::test
