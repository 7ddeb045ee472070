#include <gtest/gtest.h>

#include "support/TestDatabase.h"
#include "support/TestRecords.h"

namespace ghdb::test {
namespace {

class GenericOperationsTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        ConnectionPtr connection = access->RefConnection();
        CreateTestTables(*connection);
        ASSERT_EQ(ops.SetConnectionString(connectionString.c_str()), 0);
    }

    void AddItems(std::initializer_list<const char*> names) {
        for (const char* name : names)
            Exec(
                std::string("INSERT INTO GHT_Item (Name, Code, Small, Ratio, Weight, Active, Flag) "
                            "VALUES ('") +
                name + "', 7, 2, 0.5, 1.25, 1, 0)");
    }

    // Records of GHT_Keyed with the given keys, each named `name`.
    static CArray<CKeyedItem, CKeyedItem&> Keyed(std::initializer_list<long> ids,
                                                 const char* name = "") {
        CArray<CKeyedItem, CKeyedItem&> items;
        for (long id : ids) {
            CKeyedItem item;
            item.ItemID = id;
            item.Name = name;
            items.Add(item);
        }
        return items;
    }

    CRecordAccess ops{nullptr, CRecordAccess::UpdateFailure::Notice};
};

// Reading members column by column (NULLs, conversions) is in the column-reading tests.
TEST_F(GenericOperationsTest, ReadOneFillsFromTheFirstRowOrLeavesTheRecordAlone) {
    CTestItem item;
    item.Name = "untouched";
    EXPECT_EQ(ops.ReadOneRecordInfo("SELECT * FROM GHT_Item", &item), 1);
    EXPECT_EQ(item.Name, "untouched");
    EXPECT_EQ(item.ItemID, -1);

    AddItems({"first", "second"});
    EXPECT_EQ(ops.ReadOneRecordInfo("SELECT * FROM GHT_Item ORDER BY ItemID", &item), 2);
    EXPECT_EQ(item.Name, "first");
    EXPECT_EQ(item.Code, 7);
    EXPECT_TRUE(messages.messages().empty());

    // A rejected query shows the engine's text.
    EXPECT_EQ(ops.ReadOneRecordInfo("SELECT * FROM NoSuchTable", &item), -1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
    EXPECT_TRUE(ContainsNoCase(messages.messages()[0].text, "NoSuchTable"))
        << messages.messages()[0].text;
    EXPECT_GT(ops.Connection()->GetErrors().GetCount(), 0);
}

TEST_F(GenericOperationsTest, MultiRecordsWriteOneRowPerKidAndReadAppendingInOrder) {
    CTestMaster master;
    master.MasterID = 8;
    EXPECT_EQ(ops.EditMultiRecordInfo("SELECT * FROM GHT_Kid WHERE (1 = -1)", &master), 1);
    EXPECT_EQ(Count("GHT_Kid"), 0);
    for (const char* name : {"x", "y"}) {
        CTestItem kid;
        kid.Name = name;
        master.Kids.Add(kid);
    }
    EXPECT_EQ(ops.EditMultiRecordInfo("SELECT * FROM GHT_Kid WHERE (1 = -1)", &master), 2);
    EXPECT_GT(master.Kids[0].ItemID, 0);
    EXPECT_GT(master.Kids[1].ItemID, master.Kids[0].ItemID);

    Insert("GHT_Kid (MasterID, Name)", {"8, 'z'", "4, 'other'"});
    CTestMaster read;
    read.Kids.Add(master.Kids[0]);  // kids already held stay
    EXPECT_EQ(ops.ReadMultiRecordInfo("SELECT * FROM GHT_Kid WHERE MasterID = 3", &read), 1);
    EXPECT_EQ(
        ops.ReadMultiRecordInfo("SELECT * FROM GHT_Kid WHERE MasterID = 8 ORDER BY KidID", &read),
        2);
    ASSERT_EQ(read.Kids.GetSize(), 4);
    EXPECT_EQ(read.Kids[1].Name, "x");
    EXPECT_EQ(read.Kids[3].Name, "z");
}

TEST_F(GenericOperationsTest, AddNewReadsBackTheIdentityAndEditOneRewritesTheFirstRowSelected) {
    CTestItem item;
    item.Name = "new";
    item.Active = TRUE;
    item.Flag = true;
    item.ItemID = 555;  // never written: the database assigns the key
    ASSERT_EQ(ops.AddNewOneRecordInfo("SELECT * FROM GHT_Item WHERE (1 = -1)", &item), 2);
    EXPECT_NE(item.ItemID, 555);
    EXPECT_EQ(Rows("SELECT ItemID, Name, Active, Flag FROM GHT_Item"),
              (Table{{std::to_string(item.ItemID), "new", "1", "1"}}));
    CTestItem blank;
    ASSERT_EQ(ops.AddNewOneRecordInfo("SELECT * FROM GHT_Item WHERE (1 = -1)", &blank), 2);

    item.Name = "renamed";
    item.Code = 42;
    EXPECT_EQ(ops.EditOneRecordInfo("SELECT * FROM GHT_Item WHERE Name = 'zzz'", &item), 1);
    EXPECT_EQ(ops.EditOneRecordInfo("SELECT * FROM GHT_Item ORDER BY ItemID DESC", &item), 2);
    // An empty text is stored as an empty text, not as NULL.
    EXPECT_EQ(Rows("SELECT Name, Code FROM GHT_Item ORDER BY ItemID"),
              (Table{{"new", "0"}, {"renamed", "42"}}));
}

TEST_F(GenericOperationsTest, AFailedInsertShowsSourceAndDescriptionAsANotice) {
    Exec("CREATE UNIQUE INDEX GHT_Keyed_Unique ON GHT_Keyed (ItemID)");
    CKeyedItem item;
    item.ItemID = 1;
    ASSERT_EQ(ops.AddNewOneRecordInfo("SELECT * FROM GHT_Keyed WHERE (1 = -1)", &item), 2);
    EXPECT_EQ(ops.AddNewOneRecordInfo("SELECT * FROM GHT_Keyed WHERE (1 = -1)", &item), -1);
    ASSERT_EQ(messages.messages().size(), 1u);
    const auto& notice = messages.messages()[0];
    EXPECT_EQ(notice.caption, "提示");
    EXPECT_EQ(notice.text.rfind("\n\tSource:", 0), 0u) << notice.text;
    EXPECT_NE(notice.text.find(" \n\tdescription:"), std::string::npos);
    EXPECT_EQ(notice.text.substr(notice.text.size() - 2), " \n");
}

TEST_F(GenericOperationsTest, SingleStatementsAnswerAndReportAsNamed) {
    EXPECT_EQ(ops.DeleteRecordInfo("DELETE FROM GHT_Item"), 2);
    EXPECT_EQ(ops.DeleteRecordInfo("DELETE FROM Missing"), -1);
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(ops.ExecuteSilently("DELETE FROM Missing"), -1);
    EXPECT_EQ(ops.ExecuteSilently("DELETE FROM GHT_Item"), 2);
    EXPECT_EQ(messages.messages().size(), 1u);

    // CheckRecordInfoEmpty answers 1 either way; the maximum over no rows is 0.
    int hasRows = 7;
    long value = -5;
    const char* max = "SELECT MAX(Code) AS MaxValue FROM GHT_Item";
    EXPECT_EQ(ops.CheckRecordInfoEmpty("SELECT * FROM GHT_Item", hasRows), 1);
    EXPECT_EQ(hasRows, 0);
    EXPECT_EQ(ops.GetMaxFieldValueFromTable(max, value), 2);
    EXPECT_EQ(value, 0);
    AddItems({"a"});
    Exec("UPDATE GHT_Item SET Code = 31");
    EXPECT_EQ(ops.CheckRecordInfoEmpty("SELECT * FROM GHT_Item", hasRows), 1);
    EXPECT_EQ(hasRows, 1);
    EXPECT_EQ(ops.CheckRecordInfoEmpty("SELECT * FROM Missing", hasRows), -1);
    EXPECT_EQ(hasRows, 0);
    EXPECT_EQ(ops.GetMaxFieldValueFromTable(max, value), 2);
    EXPECT_EQ(value, 31);
    EXPECT_EQ(
        ops.GetMaxFieldValueFromTable("SELECT Code AS MaxValue FROM GHT_Item WHERE 1 = 0", value),
        1);

    // Without a connection queries look empty and statements report it.
    messages.clear();
    CRecordAccess unconnected(nullptr, CRecordAccess::UpdateFailure::Notice);
    CTestItem item;
    EXPECT_EQ(unconnected.ReadOneRecordInfo("SELECT * FROM GHT_Item", &item), 1);
    CArray<CTestItem*, CTestItem*&> pointers;
    EXPECT_EQ(unconnected.ReadAllAsNew("SELECT * FROM GHT_Item", pointers, 1), 1);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(unconnected.DeleteRecordInfo("DELETE FROM GHT_Item"), -1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "连接数据库失败!");
}

TEST_F(GenericOperationsTest, ChangeOneFieldlongValueRunsItsStatementExactly) {
    StatementLog log(ops.Connection());
    AddItems({"a", "b"});
    Exec("UPDATE GHT_Item SET Code = 3 WHERE Name = 'a'");
    EXPECT_EQ(ops.ChangeOneFieldlongValue("", "Code", 3, 7), -1);
    EXPECT_TRUE(log.statements().empty());
    EXPECT_EQ(ops.ChangeOneFieldlongValue("GHT_Item", "Code", 3, 9), 2);
    EXPECT_EQ(log.statements(),
              std::vector<std::string>{"UPDATE GHT_Item SET Code = 9 WHERE Code = 3 "});
    EXPECT_EQ(Count("GHT_Item", "Code = 9"), 1);
}

TEST_F(GenericOperationsTest,
       ReadAllAsNewAppendsOwnedRecordsAndReadAllAsValuesStartsEachRowAfresh) {
    AddItems({"a", "b"});
    Exec("UPDATE GHT_Item SET Code = NULL WHERE Name = 'b'");
    CAutoReleaseArray<CTestItem*, CTestItem*&> pointers;
    CTestItem* existing = new CTestItem;
    pointers.Add(existing);
    EXPECT_EQ(ops.ReadAllAsNew("SELECT * FROM GHT_Item ORDER BY Name", pointers, 1), 2);
    ASSERT_EQ(pointers.GetSize(), 3);
    EXPECT_EQ(pointers[0], existing);
    EXPECT_EQ(pointers[2]->Name, "b");
    EXPECT_EQ(ops.ReadAllAsNew("SELECT * FROM GHT_Item WHERE 1 = 0", pointers, 1), 2);
    EXPECT_EQ(ops.ReadAllAsNew("SELECT * FROM Missing", pointers, 0), -1);
    EXPECT_TRUE(messages.messages().empty());

    CArray<CTestItem, CTestItem&> values;
    CTestItem working;
    EXPECT_EQ(ops.ReadAllAsValues("SELECT * FROM GHT_Item WHERE 1 = 0", working, values), 1);
    EXPECT_EQ(ops.ReadAllAsValues("SELECT * FROM GHT_Item ORDER BY Name", working, values), 2);
    ASSERT_EQ(values.GetSize(), 2);
    EXPECT_EQ(values[0].Code, 7);
    EXPECT_EQ(values[1].Code, 0);  // NULL in row 2: the constructor's value, not row 1's
}

TEST_F(GenericOperationsTest, AddAllIsAllOrNothing) {
    Exec("CREATE UNIQUE INDEX GHT_Keyed_Unique ON GHT_Keyed (ItemID)");
    auto values = Keyed({1, 2, 3});
    EXPECT_EQ(ops.AddAllFromValues("SELECT * FROM GHT_Keyed WHERE (1 = -1)", values), 2);
    EXPECT_EQ(Count("GHT_Keyed"), 3);

    auto clash = Keyed({4, 5, 2, 6});
    EXPECT_EQ(ops.AddAllFromValues("SELECT * FROM GHT_Keyed WHERE (1 = -1)", clash), -1);
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(Rows("SELECT ItemID FROM GHT_Keyed ORDER BY ItemID"), (Table{{"1"}, {"2"}, {"3"}}));

    CAutoReleaseArray<CTestItem*, CTestItem*&> pointers;
    EXPECT_EQ(ops.AddAllFromPointers("SELECT * FROM GHT_Item WHERE (1 = -1)", pointers), 2);
    for (const char* name : {"p", "q"}) {
        CTestItem* item = new CTestItem;
        item->Name = name;
        pointers.Add(item);
    }
    EXPECT_EQ(ops.AddAllFromPointers("SELECT * FROM GHT_Item WHERE (1 = -1)", pointers), 2);
    EXPECT_GT(pointers[1]->ItemID, pointers[0]->ItemID);
}

TEST_F(GenericOperationsTest, SynchroniseByIdRewritesKeepsAndRemoves) {
    Insert("GHT_Keyed (ItemID, Name)", {"1, 'old'", "2, 'old'", "3, 'old'"});
    auto wanted = Keyed({3, 5}, "new");
    EXPECT_EQ(ops.SynchroniseById("SELECT * FROM GHT_Keyed", wanted, "ItemID"), 2);
    EXPECT_EQ(Rows("SELECT ItemID, Name FROM GHT_Keyed ORDER BY ItemID"),
              (Table{{"3", "new"}, {"5", "new"}}));

    CArray<CKeyedItem, CKeyedItem&> none;
    EXPECT_EQ(ops.SynchroniseById("SELECT * FROM GHT_Keyed", none, "ItemID"), 2);
    EXPECT_EQ(Count("GHT_Keyed"), 0);

    // Keys the database assigns are left to it.
    AddItems({"a"});
    CArray<CTestItem, CTestItem&> items;
    CTestItem existing;
    ASSERT_EQ(ops.ReadOneRecordInfo("SELECT * FROM GHT_Item", &existing), 2);
    existing.Name = "kept";
    items.Add(existing);
    CTestItem added;
    added.ItemID = 900;
    added.Name = "added";
    items.Add(added);
    EXPECT_EQ(ops.SynchroniseById("SELECT * FROM GHT_Item", items, "ItemID"), 2);
    EXPECT_EQ(Count("GHT_Item"), 2);
    EXPECT_EQ(Count("GHT_Item", "Name = 'kept' AND ItemID = " + std::to_string(existing.ItemID)),
              1);
    EXPECT_NE(items[1].ItemID, 900);  // read back from the row the database keyed
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(ops.SynchroniseById("SELECT * FROM Missing", none, "ItemID"), 1);
}

TEST_F(GenericOperationsTest, ScopesOfSeveralStatements) {
    AddItems({"a", "b"});
    // A cascade goes past a statement that fails alone and commits the rest.
    EXPECT_EQ(ops.RunCascade(CRecordAccess::CascadeStatus::Done,
                             {"DELETE FROM GHT_Item WHERE Name = 'a'", "DELETE FROM Missing",
                              "DELETE FROM GHT_Item WHERE Name = 'b'"}),
              2);
    EXPECT_EQ(Count("GHT_Item"), 0);
    EXPECT_EQ(messages.messages().size(), 1u);

    // A failed guard statement ends the cascade and undoes what ran before it.
    AddItems({"c", "d"});
    EXPECT_EQ(ops.RunCascade(CRecordAccess::CascadeStatus::LastStep,
                             [&](CRecordAccess::Cascade& cascade) {
                                 cascade.Step("DELETE FROM GHT_Item WHERE Name = 'c'");
                                 cascade.Guard("DELETE FROM Missing");
                                 cascade.Step("DELETE FROM GHT_Item");
                             }),
              -1);
    EXPECT_EQ(Count("GHT_Item"), 2);

    // An all-or-nothing write is rolled back when it answers a failure.
    EXPECT_EQ(ops.RunAllOrNothing([&] {
        ops.DeleteRecordInfo("DELETE FROM GHT_Item");
        return ops.DeleteRecordInfo("INSERT INTO Missing VALUES (1)");
    }),
              -1);
    EXPECT_EQ(Count("GHT_Item"), 2);
}

}  // namespace
}  // namespace ghdb::test
