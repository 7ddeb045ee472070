#include "config/ConfigFixture.h"

namespace ghdb::test {
namespace {

using ConfigItemTest = ConfigTest;

TEST_F(ConfigItemTest, SettingsAreReadInTableOrderAndReplacedFromTheLastItem) {
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
    _tagCONFIGITEM stale{"stale", "x", ""};
    items.Add(stale);
    EXPECT_EQ(access->GetConfigItems(items), 1);
    EXPECT_EQ(items.GetSize(), 0);

    Insert(kSettings, {"'A', '/symbols', 'symbols'", "'B', '/shared', NULL", "'C', '', ''"});
    EXPECT_EQ(access->GetConfigItems(items), 2);
    ASSERT_EQ(items.GetSize(), 3);
    EXPECT_EQ(items[0].ConfigRemark, "symbols");
    EXPECT_EQ(items[1].ConfigItemValue, "/shared");
    EXPECT_EQ(items[1].ConfigRemark, "");

    EXPECT_EQ(access->EditConfigItems(items), 2);
    EXPECT_EQ(access->GetConfigItems(items), 2);
    ASSERT_EQ(items.GetSize(), 3);
    EXPECT_EQ(items[0].ConfigItemName + items[1].ConfigItemName + items[2].ConfigItemName, "CBA");
    ReleaseArray(items);
    EXPECT_EQ(access->EditConfigItems(items), 1);
    EXPECT_EQ(Count("GH_ConfigInfo"), 0);
}

TEST_F(ConfigItemTest, OneSettingRewritesTheFirstRowOfItsNameOrIsAdded) {
    Insert(kSettings, {"'A', '1', 'first'", "'A', '2', 'second'"});
    StatementLog log(access->RefConnection());
    EXPECT_EQ(access->EditConfigItem({"A", "9", "changed"}), 2);
    EXPECT_EQ(Rows("SELECT ConfigItemValue, ConfigRemark FROM GH_ConfigInfo ORDER BY 1"),
              (Table{{"2", "second"}, {"9", "changed"}}));
    // A name with an apostrophe is a value like any other.
    EXPECT_EQ(access->EditConfigItem({"it's", "v", ""}), 2);
    EXPECT_EQ(access->EditConfigItem({"it's", "w", ""}), 2);
    EXPECT_EQ(Count("GH_ConfigInfo", "ConfigItemName = 'it''s' AND ConfigItemValue = 'w'"), 1);
    EXPECT_EQ(Count("GH_ConfigInfo"), 3);
    EXPECT_EQ(log.statements().back(),
              "SELECT * FROM GH_ConfigInfo WHERE ( ConfigItemName = 'it''s' )");
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(ConfigItemTest, TheVersionRowIsMadeOnceAndThenOnlyItsMinorNumberChanges) {
    long code = 42;
    EXPECT_EQ(access->GetSysVersionCode(code), 1);
    EXPECT_EQ(code, 42);
    EXPECT_EQ(access->SetSysVersionCode(7), 2);
    EXPECT_EQ(access->SetSysVersionCode(8), 2);
    EXPECT_EQ(Rows("SELECT ServerName, VerMajor, VerMinor FROM GH_VersionInfo"),
              (Table{{GetComputerName().str(), "1", "8"}}));
    // A row without a minor number does not count.
    Insert("GH_VersionInfo (ServerName, VerMajor)", {"'other', 2"});
    EXPECT_EQ(access->GetSysVersionCode(code), 2);
    EXPECT_EQ(code, 8);
}

TEST_F(ConfigItemTest, DownloadTableNamesSkipEmptyRows) {
    CStringArray names;
    names.Add("stale");
    EXPECT_EQ(access->GetAllDownLoadTableNames(names), 1);
    EXPECT_EQ(names.GetSize(), 0);
    Insert("GHSJ_DownLoadTables (DownTableName)",
           {"'GHGIS_Layer'", "NULL", "''", "'GH_FieldInfo'"});
    EXPECT_EQ(access->GetAllDownLoadTableNames(names), 2);
    ASSERT_EQ(names.GetSize(), 2);
    EXPECT_EQ(names[0], "GHGIS_Layer");
    EXPECT_EQ(names[1], "GH_FieldInfo");
}

using MISInfoURLTest = ConfigTest;

CMISInfoURL Url(const char* key, const char* address) {
    CMISInfoURL url;
    url.KeyName = key;
    url.MISInfoURL = address;
    return url;
}

TEST_F(MISInfoURLTest, TheTableIsReadByAppendingAndReplacedInSetOrder) {
    Insert("GH_MISInfoURL (KeyName, MISInfoURL)", {"'case', 'http://a'", "'case', 'http://b'"});
    CMISInfoURLSet urls;
    EXPECT_EQ(access->GetAllMISInfoURL(urls), 2);
    ASSERT_EQ(urls.GetSize(), 2);
    EXPECT_EQ(urls.GetAt(0)->RefDBClassAccess(), access);
    EXPECT_EQ(urls.Find("case"), urls.GetAt(1));
    EXPECT_EQ(urls.Find("CASE"), nullptr);
    EXPECT_EQ(access->GetAllMISInfoURL(urls), 2);
    EXPECT_EQ(urls.GetSize(), 4);

    CMISInfoURLSet replacement;
    replacement.AddNew(Url("b", "http://b/it's"));
    replacement.AddNew(Url("a", "http://a"));
    EXPECT_EQ(access->EditAllMISInfoURL(replacement), 2);
    EXPECT_EQ(Rows("SELECT KeyName, MISInfoURL FROM GH_MISInfoURL"),
              (Table{{"b", "http://b/it's"}, {"a", "http://a"}}));
    CMISInfoURLSet none;
    EXPECT_EQ(access->EditAllMISInfoURL(none), 2);
    EXPECT_EQ(Count("GH_MISInfoURL"), 0);
}

TEST(MISInfoURLSet, CopiesAndAppendsOwnSeparateElementsAlsoFromThemselves) {
    CMISInfoURLSet first, second;
    first.AddNew(Url("a", "http://a"));
    first.AddNew(Url("b", "http://b"));
    second.AddNew(Url("z", "http://z"));
    second.AppendFrom(first);
    first.DeleteAt(0);
    ASSERT_EQ(second.GetSize(), 3);
    EXPECT_EQ(second.GetAt(1)->KeyName, "a");

    second.CopyFrom(second);
    EXPECT_EQ(second.GetSize(), 3);
    second.AppendFrom(second);
    ASSERT_EQ(second.GetSize(), 6);
    EXPECT_EQ(second.GetAt(3)->KeyName, "z");
    EXPECT_NE(second.GetAt(3), second.GetAt(0));
    second.CopyFrom(first);
    ASSERT_EQ(second.GetSize(), 1);
    EXPECT_EQ(second.GetAt(0)->KeyName, "b");
}

}  // namespace
}  // namespace ghdb::test
