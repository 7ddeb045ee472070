#include <gtest/gtest.h>

#include "support/TestDatabase.h"

namespace ghdb::test {
namespace {

TEST(ConnectionCodecTest, EncodingConcatenatesTheParametersUnchanged) {
    EXPECT_EQ(EncodeConnectionString("srv", "db", "sa", "pw"),
              "Provider=SQLOLEDB;Data Source=srv;Initial Catalog=db;User ID=sa;Password=pw");
    EXPECT_EQ(EncodeConnectionString("", "", "", ""),
              "Provider=SQLOLEDB;Data Source=;Initial Catalog=;User ID=;Password=");
}

TEST(ConnectionCodecTest, DecodingFindsEachKeyWhereverItIs) {
    CString server, database, user, password = "stale";
    DecodeConnectionString(EncodeConnectionString("10.0.0.1,1433", "规划", "gh", "x y"), server,
                           database, user, password);
    EXPECT_EQ(server, "10.0.0.1,1433");
    EXPECT_EQ(database, "规划");
    EXPECT_EQ(user, "gh");
    EXPECT_EQ(password, "x y");

    DecodeConnectionString("User ID = me ;Data Source=  host   ;Extra=1", server, database, user,
                           password);
    EXPECT_EQ(server, "host");
    EXPECT_EQ(database, "");
    EXPECT_EQ(user, "me");
    EXPECT_EQ(password, "");

    DecodeConnectionString("Password=se;cret", server, database, user, password);
    EXPECT_EQ(password, "se");
    DecodeConnectionString("", server, database, user, password);
    EXPECT_EQ(server, "");
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
