#include <gtest/gtest.h>

#include "drivers/Dialect.h"

namespace ghdb::driver {
namespace {

std::string Lite(std::string_view sql) {
    return RewriteForEngine(schema::Engine::SQLite, sql);
}

TEST(SqliteDialect, SqlServerCollationsBecomeBuiltInOnes) {
    EXPECT_EQ(Lite("CREATE TABLE T ( \t[FileName] [varchar](50) COLLATE Chinese_PRC_CI_AS NOT "
                   "NULL, \t[Code] [varchar](9) collate Latin1_General_CS_AS NULL ) "),
              "CREATE TABLE T ( \t[FileName] [varchar](50) COLLATE NOCASE NOT NULL, \t[Code] "
              "[varchar](9) collate BINARY NULL ) ");
    EXPECT_EQ(Lite("SELECT * FROM dbo.T WHERE a = 'COLLATE Chinese_PRC_CI_AS' COLLATE "
                   "Chinese_PRC_CI_AS ORDER BY a COLLATE RTRIM"),
              "SELECT * FROM T WHERE a = 'COLLATE Chinese_PRC_CI_AS' COLLATE NOCASE ORDER BY a "
              "COLLATE RTRIM");
}

}  // namespace
}  // namespace ghdb::driver
