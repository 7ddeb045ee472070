#include "families/FamilyTest.h"

namespace ghdb::test {
namespace {

using ConfigItemTest = FamilyTest;

TEST_F(ConfigItemTest, SettingsAndDownloadTablesAreReadAfreshInTableOrder) {
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
    _tagCONFIGITEM stale{"stale", "x", ""};
    items.Add(stale);
    CStringArray names;
    names.Add("stale");
    EXPECT_EQ(access->GetConfigItems(items), 1);
    EXPECT_EQ(access->GetAllDownLoadTableNames(names), 1);
    EXPECT_EQ(items.GetSize() + names.GetSize(), 0);

    Insert(kSettings, {"'A', '/symbols', 'symbols'", "'B', '/shared', NULL", "'C', '', ''"});
    const auto show = [](auto& i) {
        return Row(i.ConfigItemName, i.ConfigItemValue, i.ConfigRemark);
    };
    EXPECT_EQ(access->GetConfigItems(items), 2);
    EXPECT_EQ(Each(items, show),
              (Table{{"A", "/symbols", "symbols"}, {"B", "/shared", ""}, {"C", "", ""}}));
    // The replacement stores the rows from the last item to the first.
    EXPECT_EQ(access->EditConfigItems(items), 2);
    EXPECT_EQ(access->GetConfigItems(items), 2);
    EXPECT_EQ(Each(items, [](auto& i) { return Text(i.ConfigItemName); }),
              (std::vector<std::string>{"C", "B", "A"}));

    // Download tables: empty names are left out.
    Insert("GHSJ_DownLoadTables (DownTableName)",
           {"'GHGIS_Layer'", "NULL", "''", "'GH_FieldInfo'"});
    EXPECT_EQ(access->GetAllDownLoadTableNames(names), 2);
    EXPECT_EQ(Each(names, [](auto& n) { return Text(n); }),
              (std::vector<std::string>{"GHGIS_Layer", "GH_FieldInfo"}));
}

TEST_F(ConfigItemTest, OneSettingRewritesTheFirstRowOfItsNameOrIsAdded) {
    Insert(kSettings, {"'A', '1', 'first'", "'A', '2', 'second'"});
    StatementLog& log = LogStatements();
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

TEST_F(ConfigItemTest, MISInfoURLsAreReadAppendedAndReplacedInSetOrder) {
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
    for (const char* key : {"b", "a"}) replacement.AddNew({})->KeyName = key;
    replacement.GetAt(0)->MISInfoURL = "http://b/it's";
    replacement.GetAt(1)->MISInfoURL = "http://a";
    EXPECT_EQ(access->EditAllMISInfoURL(replacement), 2);
    EXPECT_EQ(Rows("SELECT KeyName, MISInfoURL FROM GH_MISInfoURL"),
              (Table{{"b", "http://b/it's"}, {"a", "http://a"}}));
}

TEST(MISInfoURLSet, CopiesAndAppendsOwnSeparateElementsAlsoFromThemselves) {
    CMISInfoURLSet first, second;
    for (const char* key : {"a", "b"}) first.AddNew({})->KeyName = key;
    second.AddNew({})->KeyName = "z";
    second.AppendFrom(first);
    first.DeleteAt(0);
    const auto keys = [](const CMISInfoURLSet& set) {
        std::string all;
        for (const CMISInfoURL* url : set) all += url->KeyName.str();
        return all;
    };
    EXPECT_EQ(keys(second), "zab");
    second.CopyFrom(second);
    EXPECT_EQ(keys(second), "zab");
    second.AppendFrom(second);
    EXPECT_EQ(keys(second), "zabzab");
    EXPECT_NE(second.GetAt(3), second.GetAt(0));
    second.CopyFrom(first);
    EXPECT_EQ(keys(second), "b");
}

}  // namespace
}  // namespace ghdb::test
