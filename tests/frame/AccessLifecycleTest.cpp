#include <gtest/gtest.h>

#include "support/TestDatabase.h"
#include "support/TestRecords.h"

namespace ghdb::test {
namespace {

using AccessLifecycleTest = DatabaseTest;

TEST_F(AccessLifecycleTest, NoObjectWithoutAStringAndAFailedOpenReportsIt) {
    EXPECT_EQ(CBaseClassAccess::CreateInstance(nullptr), nullptr);
    EXPECT_EQ(CBaseClassAccess::CreateInstance(""), nullptr);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(CBaseClassAccess::CreateInstance("Provider=SQLite;Data Source=/nonexistent/x.db"),
              nullptr);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "连接数据库失败!");
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
}

TEST_F(AccessLifecycleTest, ReferencesCountUpAndTheLastReleaseDestroys) {
    CBaseClassAccess* other = CBaseClassAccess::CreateInstance(connectionString.c_str());
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->AddReference(), 2);
    EXPECT_EQ(other->ReleaseInstance(), 1);
    {
        CTestItem a;
        a.SetDBClassAccess(other);
        CTestItem b(a);  // the copy holds its own reference
        EXPECT_EQ(other->AddReference(), 4);
        EXPECT_EQ(other->ReleaseInstance(), 3);
        a.SetDBClassAccess(other);  // already held: unchanged
        EXPECT_EQ(other->AddReference(), 4);
        EXPECT_EQ(other->ReleaseInstance(), 3);
        b.SetDBClassAccess(nullptr);
        EXPECT_EQ(b.RefDBClassAccess(), nullptr);
        EXPECT_EQ(other->AddReference(), 3);
        EXPECT_EQ(other->ReleaseInstance(), 2);
    }
    EXPECT_EQ(other->ReleaseInstance(), 0);  // destroyed with the last holder gone
}

TEST_F(AccessLifecycleTest, RecordsReadThroughAnAccessObjectKeepItAlive) {
    CTestItem item;
    {
        CRecordAccess ops(access, CRecordAccess::UpdateFailure::Notice);
        ASSERT_EQ(ops.SetConnectionString(connectionString.c_str()), 0);
        CreateTestTables(*ops.Connection());
        Exec("INSERT INTO GHT_Item (Name) VALUES ('x')");
        ASSERT_EQ(ops.ReadOneRecordInfo("SELECT * FROM GHT_Item", &item), 2);
    }
    EXPECT_EQ(item.RefDBClassAccess(), access);
    EXPECT_EQ(access->ReleaseInstance(), 1);  // the record's reference remains
    access = nullptr;
    item.SetDBClassAccess(nullptr);  // the last holder: the object goes
}

TEST_F(AccessLifecycleTest, ABadConnectionStringLeavesTheObjectUnconnectedUntilAGoodOne) {
    EXPECT_EQ(access->SetConnectionString(""), -2);
    EXPECT_EQ(access->RefConnection(), nullptr);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(access->SetConnectionString("Provider=SQLite;Data Source=/nonexistent/y.db"), -3);
    EXPECT_EQ(access->ConnectionString(), "Provider=SQLite;Data Source=/nonexistent/y.db");
    EXPECT_EQ(access->RefConnection(), nullptr);
    long value = 5;
    EXPECT_EQ(access->GetMaxFieldValueFromTable("SELECT 1 AS MaxValue", value), 1);
    EXPECT_EQ(access->SetConnectionString(connectionString.c_str()), 0);
    EXPECT_EQ(access->GetMaxFieldValueFromTable("SELECT 3 AS MaxValue", value), 2);
    EXPECT_EQ(value, 3);

    // The connection is opened once and shared with callers.
    CRecordAccess ops(nullptr, CRecordAccess::UpdateFailure::Notice);
    EXPECT_EQ(ops.CreateConnection(), -2);
    ASSERT_EQ(ops.SetConnectionString(connectionString.c_str()), 0);
    const ConnectionPtr first = ops.Connection();
    EXPECT_EQ(ops.CreateConnection(), 0);
    EXPECT_EQ(ops.Connection(), first);
}

// The server, database, user and password a string decodes to, over stale values.
std::string Decoded(const CString& text) {
    CString server = "stale", database = "stale", user = "stale", password = "stale";
    DecodeConnectionString(text, server, database, user, password);
    return (server + "|" + database + "|" + user + "|" + password).str();
}

TEST(ConnectionCodecTest, EncodingConcatenatesTheParametersAndDecodingFindsThem) {
    EXPECT_EQ(EncodeConnectionString("srv", "db", "sa", "pw"),
              "Provider=SQLOLEDB;Data Source=srv;Initial Catalog=db;User ID=sa;Password=pw");
    EXPECT_EQ(EncodeConnectionString("", "", "", ""),
              "Provider=SQLOLEDB;Data Source=;Initial Catalog=;User ID=;Password=");

    // Decoding finds each key wherever it is; a key that is missing clears its part.
    EXPECT_EQ(Decoded(EncodeConnectionString("10.0.0.1,1433", "规划", "gh", "x y")),
              "10.0.0.1,1433|规划|gh|x y");
    EXPECT_EQ(Decoded("User ID = me ;Data Source=  host   ;Extra=1"), "host||me|");
    EXPECT_EQ(Decoded("Password=se;cret"), "|||se");
    EXPECT_EQ(Decoded(""), "|||");
}

TEST(ConnectionCodecTest, TestConnectionOpensOrReportsTheEngineReason) {
    MessageCapture messages;
    EXPECT_EQ(TestConnection(CString("")), 0);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(TestConnection(CString("Provider=SQLite;Data Source=/nonexistent/z.db")), 0);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "数据库错误");
    EXPECT_NE(messages.messages()[0].text.find("unable to open"), std::string::npos)
        << messages.messages()[0].text;
    EXPECT_EQ(TestConnection(CString("Provider=SQLite;Data Source=:memory:")), 1);
}

}  // namespace
}  // namespace ghdb::test
