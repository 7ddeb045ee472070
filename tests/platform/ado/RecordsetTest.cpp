#include <gtest/gtest.h>

#include "support/TestDatabase.h"
#include "support/TestRecords.h"

namespace ghdb::test {
namespace {

class RecordsetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        connection = access->RefConnection();
        CreateTestTables(*connection);
        for (const char* name : {"a", "b", "c"})
            Exec(std::string("INSERT INTO GHT_Item (Name, Code) VALUES ('") + name + "', 1)");
    }

    RecordsetPtr Open(const char* sql) {
        RecordsetPtr rs = Recordset::Create();
        rs->Open(sql, connection, adOpenKeyset, adLockOptimistic, adCmdText);
        return rs;
    }

    ConnectionPtr connection;
};

TEST_F(RecordsetTest, KeysetResultsCountAndNavigateForwardOnlyOnesReadOnce) {
    RecordsetPtr rs = Open("SELECT * FROM GHT_Item ORDER BY Name");
    EXPECT_EQ(rs->GetRecordCount(), 3);
    EXPECT_FALSE(rs->BOF());
    EXPECT_EQ(rs->GetFields()->GetItem("name")->GetValue().str, "a");
    rs->MoveLast();
    EXPECT_EQ(rs->GetFields()->GetItem("NAME")->GetValue().str, "c");
    rs->MoveNext();
    EXPECT_TRUE(rs->EndOfFile());
    EXPECT_THROW(rs->MoveNext(), _com_error);

    RecordsetPtr empty = Open("SELECT * FROM GHT_Item WHERE 1 = 0");
    EXPECT_TRUE(empty->BOF());
    EXPECT_TRUE(empty->EndOfFile());
    EXPECT_EQ(empty->GetRecordCount(), 0);
    EXPECT_THROW(empty->GetFields()->GetItem("Name")->GetValue(), _com_error);

    // A forward-only result is read once from first to last.
    rs = Recordset::Create();
    rs->Open("SELECT Name FROM GHT_Item ORDER BY Name", connection, adOpenForwardOnly,
             adLockReadOnly, adCmdText);
    EXPECT_EQ(rs->GetRecordCount(), -1);
    EXPECT_FALSE(rs->BOF());
    rs->MoveFirst();  // still on the first row
    std::string names;
    for (; !rs->EndOfFile(); rs->MoveNext())
        names += rs->GetFields()->GetItem("NAME")->GetValue().str;
    EXPECT_EQ(names, "abc");
    EXPECT_THROW(rs->MoveFirst(), _com_error);
    EXPECT_THROW(rs->MovePrevious(), _com_error);
    EXPECT_THROW(rs->GetFields()->GetItem("Name")->GetValue(), _com_error);
    EXPECT_THROW(rs->AddNew(), _com_error);

    empty = Recordset::Create();
    empty->Open("SELECT Name FROM GHT_Item WHERE 1 = 0", connection, adOpenForwardOnly,
                adLockReadOnly, adCmdText);
    EXPECT_TRUE(empty->BOF());
    EXPECT_TRUE(empty->EndOfFile());
    // Other statements run while a forward-only result is open.
    EXPECT_NO_THROW(connection->Execute("UPDATE GHT_Item SET Code = 2", nullptr, adCmdText));
}

TEST_F(RecordsetTest, JoinsAreReadOnlyAndTheFirstOfTwoNamesWins) {
    Exec("INSERT INTO GHT_Kid (MasterID, Name) VALUES (1, 'kid')");
    RecordsetPtr rs =
        Open("SELECT * FROM GHT_Kid INNER JOIN GHT_Item ON GHT_Kid.MasterID = GHT_Item.ItemID");
    ASSERT_EQ(rs->GetRecordCount(), 1);
    EXPECT_EQ(rs->GetFields()->GetItem("Name")->GetValue().str, "kid");
    EXPECT_THROW(rs->GetFields()->GetItem("Name")->PutValue(_variant_t("x")), _com_error);
    EXPECT_THROW(rs->AddNew(), _com_error);
    EXPECT_EQ(connection->GetErrors().GetCount(), 0);  // the layer's own refusal, not the engine's
    EXPECT_THROW(rs->GetFields()->GetItem("Missing"), _com_error);
    EXPECT_EQ(rs->GetFields()->Find("Missing"), nullptr);
}

TEST_F(RecordsetTest, AddsChangesAndDeletesRowsOfOneTable) {
    RecordsetPtr rs = Open("SELECT * FROM GHT_Item WHERE (Code = 1) ORDER BY Name");
    FieldsPtr fields = rs->GetFields();
    EXPECT_THROW(fields->GetItem("ItemID")->PutValue(_variant_t(7)), _com_error);  // identity

    rs->AddNew();
    fields->GetItem("Name")->PutValue(_variant_t("d"));
    fields->GetItem("Code")->PutValue(_variant_t(1));
    rs->Update();
    EXPECT_EQ(rs->GetRecordCount(), 4);
    EXPECT_GT(VariantToI4(fields->GetItem("ItemID")->GetValue()).value_or(0), 3);

    rs->MoveFirst();
    fields->GetItem("Name")->PutValue(_variant_t("A2"));
    rs->MoveNext();  // moving on stores the change, as a keyset cursor does
    rs->Delete();
    EXPECT_EQ(rs->GetRecordCount(), 3);
    EXPECT_EQ(Rows("SELECT Name FROM GHT_Item ORDER BY ItemID"), (Table{{"A2"}, {"c"}, {"d"}}));
}

// A row just added stays the current row, whether the recordset keeps every row it adds or
// only the last: it can be read, changed, marked and deleted as any other row.
TEST_F(RecordsetTest, ARowJustAddedIsTheCurrentRow) {
    for (const bool keepOnlyLast : {false, true}) {
        SCOPED_TRACE(keepOnlyLast);
        Exec("DELETE FROM GHT_Item WHERE Name NOT IN ('a', 'b', 'c')");
        RecordsetPtr rs = Open("SELECT * FROM GHT_Item ORDER BY ItemID");
        if (keepOnlyLast) rs->KeepOnlyLastAdded();
        FieldsPtr fields = rs->GetFields();
        const auto add = [&](const char* name) {
            rs->AddNew();
            fields->GetItem("Name")->PutValue(_variant_t(name));
            rs->Update();
        };
        const auto names = [&] {
            std::string seen;
            for (rs->MoveFirst(); !rs->EndOfFile(); rs->MoveNext())
                seen += fields->GetItem("Name")->GetValue().str;
            return seen;
        };

        add("d");
        EXPECT_FALSE(rs->EndOfFile() || rs->BOF());
        EXPECT_EQ(rs->GetRecordCount(), 4);
        EXPECT_GT(VariantToI4(fields->GetItem("ItemID")->GetValue()).value_or(0), 3);
        fields->GetItem("Name")->AppendChunk(_variant_t("e"));  // a new edit: replaces
        rs->Update();
        EXPECT_EQ(Count("GHT_Item", "Name = 'e'"), 1);
        EXPECT_EQ(Count("GHT_Item", "Name = 'd'"), 0);

        add("f");
        add("g");
        const long mark = rs->GetBookmark();
        // Only a row that was changed after it was added, or is current, stays when keeping
        // only the last.
        EXPECT_EQ(names(), keepOnlyLast ? "abceg" : "abcefg");
        rs->PutBookmark(mark);
        EXPECT_EQ(fields->GetItem("Name")->GetValue().str, "g");
        rs->Delete();
        EXPECT_EQ(Rows("SELECT Name FROM GHT_Item ORDER BY ItemID"),
                  (Table{{"a"}, {"b"}, {"c"}, {"e"}, {"f"}}));
    }
}

TEST_F(RecordsetTest, FindSearchesForwardFromTheCurrentRow) {
    RecordsetPtr rs = Open("SELECT * FROM GHT_Item ORDER BY ItemID");
    const long second =
        VariantToI4(Rows("SELECT ItemID FROM GHT_Item WHERE Name = 'b'")[0][0]).value_or(0);
    rs->Find(("ItemID = " + std::to_string(second)).c_str(), 0, adSearchForward);
    ASSERT_FALSE(rs->EndOfFile());
    EXPECT_EQ(rs->GetFields()->GetItem("Name")->GetValue().str, "b");
    rs->Find("Name = 'a'", 0, adSearchForward);  // behind the current row
    EXPECT_TRUE(rs->EndOfFile());
    rs->MoveFirst();
    rs->Find("Name = 'C'", 0, adSearchForward);
    EXPECT_EQ(rs->GetFields()->GetItem("Name")->GetValue().str, "c");
    EXPECT_THROW(rs->Find("Name ~ 1"), _com_error);
}

TEST_F(RecordsetTest, EngineErrorsCarryTheEngineTextUntilTheNextFailure) {
    EXPECT_THROW(Open("SELECT * FROM Nowhere"), _com_error);
    ASSERT_GE(connection->GetErrors().GetCount(), 1);
    EXPECT_TRUE(ContainsNoCase(
        connection->GetErrors().GetItem(connection->GetErrors().GetCount() - 1).Description,
        "Nowhere"));
    EXPECT_NO_THROW(Open("SELECT * FROM GHT_Item"));
    EXPECT_GE(connection->GetErrors().GetCount(), 1);  // kept until another failure
    EXPECT_THROW(connection->Execute("DELETE FROM Elsewhere", nullptr, adCmdText), _com_error);
    EXPECT_TRUE(ContainsNoCase(
        connection->GetErrors().GetItem(connection->GetErrors().GetCount() - 1).Description,
        "Elsewhere"));
}

TEST_F(RecordsetTest, AppendChunkAndUpdatesThatFail) {
    RecordsetPtr rs = Open("SELECT * FROM GHT_Item WHERE Name = 'a'");
    Field* name = rs->GetFields()->GetItem("Name");
    name->AppendChunk(_variant_t("ab"));  // replaces, then appends
    name->AppendChunk(_variant_t("cd"));
    rs->Update();
    EXPECT_EQ(Count("GHT_Item", "Name = 'abcd'"), 1);
    EXPECT_THROW(name->AppendChunk(_variant_t(5)), _com_error);

    // An update of a row changed meanwhile fails.
    RecordsetPtr gone = Open("SELECT * FROM GHT_Item WHERE Name = 'b'");
    Exec("DELETE FROM GHT_Item WHERE Name = 'b'");
    gone->GetFields()->GetItem("Code")->PutValue(_variant_t(5));
    EXPECT_THROW(gone->Update(), _com_error);
    EXPECT_GT(connection->GetErrors().GetCount(), 0);

    // A value the embedded engine cannot bind is reported as its own error.
    if (!OnSqlite()) return;
    RecordsetPtr c = Open("SELECT * FROM GHT_Item WHERE Name = 'c'");
    _variant_t unbindable;
    unbindable.vt = VT_UI1;
    c->GetFields()->GetItem("Code")->PutValue(unbindable);
    EXPECT_THROW(c->Update(), _com_error);
    const Errors& errors = connection->GetErrors();
    const Error& error = errors.GetItem(errors.GetCount() - 1);
    EXPECT_EQ(error.NativeError, 20);  // SQLITE_MISMATCH, not a stale code of an earlier call
    EXPECT_TRUE(ContainsNoCase(error.Description, "type 17")) << error.Description;
    EXPECT_EQ(Count("GHT_Item", "Name = 'c' AND Code = 1"), 1);
}

TEST_F(RecordsetTest, TransactionsNestAndRollBackUnlessCommitted) {
    {
        Transaction outer(*connection);
        connection->Execute("DELETE FROM GHT_Item WHERE Name = 'a'", nullptr, adCmdText);
        {
            Transaction inner(*connection);
            connection->Execute("DELETE FROM GHT_Item WHERE Name = 'b'", nullptr, adCmdText);
        }  // inner rolled back: b stays
        {
            Transaction inner(*connection);
            connection->Execute("DELETE FROM GHT_Item WHERE Name = 'c'", nullptr, adCmdText);
            inner.Commit();
        }
        outer.Commit();
    }
    EXPECT_EQ(Rows("SELECT Name FROM GHT_Item"), (Table{{"b"}}));
    {
        Transaction dropped(*connection);
        connection->Execute("DELETE FROM GHT_Item", nullptr, adCmdText);
    }
    EXPECT_EQ(Count("GHT_Item"), 1);
}

TEST(EmbeddedEngineTest, OnlyTheInstallerCreatesAFileAndItsSchemaIsIdempotent) {
    const std::string file = testing::TempDir() + "ghdb-installer-test.db";
    std::remove(file.c_str());
    const std::string connection = "Provider=SQLite;Data Source=" + file;
    MessageCapture messages;
    ConnectionPtr c = Connection::Create();
    EXPECT_THROW(c->Open(connection.c_str()), _com_error);
    EXPECT_EQ(CreateConfigSchema(connection.c_str()), 2);
    EXPECT_EQ(CreateConfigSchema(connection.c_str()), 2);
    EXPECT_EQ(CreateMisSchema(connection.c_str()), 2);
    EXPECT_TRUE(messages.messages().empty());
    c->Open(connection.c_str());
    EXPECT_NO_THROW(c->Execute("SELECT * FROM S_WorkFlows", nullptr, adCmdText));
    // The owner prefix of server statements is accepted.
    EXPECT_NO_THROW(c->Execute("SELECT * FROM dbo.S_WorkFlows", nullptr, adCmdText));
    EXPECT_NO_THROW(c->Execute("SELECT * FROM [dbo].[S_WorkFlows]", nullptr, adCmdText));
    c->Close();
    EXPECT_EQ(CreateConfigSchema("Provider=SQLite;Data Source=/nonexistent/dir/x.db"), -1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
    EXPECT_EQ(CreateConfigSchema("Provider=Nothing;Data Source=x"), -1);
    std::remove(file.c_str());
    std::remove((file + "-wal").c_str());
    std::remove((file + "-shm").c_str());
}

}  // namespace
}  // namespace ghdb::test
