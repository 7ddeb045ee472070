#include <gtest/gtest.h>

#include "drivers/Session.h"
#include "drivers/pg/PgConnectionString.h"

namespace ghdb::driver::pg {
namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

TEST(PgConnectionString, PostgresProviderAndUrisTakeLibpqOdbcStringsDoNot) {
    for (const char* text : {"Provider=PostgreSQL;Host=db;Database=plan",
                             "provider = postgresql ; host=db", "postgresql://u:p@db:5433/plan",
                             "  postgres://db/plan?sslmode=disable", "POSTGRESQL://db"})
        EXPECT_TRUE(IsPostgresString(text)) << text;
    for (const char* text :
         {"Driver={PostgreSQL Unicode};Server=db;Database=plan", "DSN=plan;UID=u",
          "Provider=SQLite;Data Source=plan.db", "Provider=SQLOLEDB;Data Source=db",
          "Provider=PostgreSQL.1;Host=db", "plan.db", ""})
        EXPECT_FALSE(IsPostgresString(text)) << text;
}

TEST(PgConnectionString, AdoNamesBecomeLibpqKeywords) {
    const LibpqParameters p = ToLibpqParameters(
        "Provider=PostgreSQL;Data Source=db.example,5433;Initial Catalog=plan;User ID=planner;"
        "Password={p;w d};Timeout=3;SSL Mode=require;Persist Security Info=False");
    EXPECT_FALSE(p.expandUri);
    EXPECT_EQ(p.items, (Items{{"connect_timeout", "3"},
                              {"fallback_application_name", "ghdb"},
                              {"host", "db.example"},
                              {"port", "5433"},
                              {"dbname", "plan"},
                              {"user", "planner"},
                              {"password", "p;w d"},
                              {"sslmode", "require"},
                              {"client_encoding", "UTF8"}}));

    // Host and port apart, the ODBC-style names, and libpq's own keywords as they stand.
    EXPECT_EQ(ToLibpqParameters("Provider=PostgreSQL;Server=db;Port=5432;Database=plan;UID=u;"
                                "PWD=x;target_session_attrs=read-write")
                  .items,
              (Items{{"connect_timeout", "15"},
                     {"fallback_application_name", "ghdb"},
                     {"host", "db"},
                     {"port", "5432"},
                     {"dbname", "plan"},
                     {"user", "u"},
                     {"password", "x"},
                     {"target_session_attrs", "read-write"},
                     {"client_encoding", "UTF8"}}));
    // A colon splits host and port, except in an IPv6 address.
    const Items v4 = ToLibpqParameters("Provider=PostgreSQL;Data Source=db:6000").items;
    EXPECT_EQ(v4[2], (std::pair<std::string, std::string>{"host", "db"}));
    EXPECT_EQ(v4[3], (std::pair<std::string, std::string>{"port", "6000"}));
    const Items v6 = ToLibpqParameters("Provider=PostgreSQL;Data Source=::1").items;
    EXPECT_EQ(v6[2], (std::pair<std::string, std::string>{"host", "::1"}));
}

TEST(PgConnectionString, AUriIsHandedToLibpqAndAnUnknownKeyIsRefused) {
    const LibpqParameters uri =
        ToLibpqParameters("postgresql://u:p@db:5433/plan?connect_timeout=2");
    EXPECT_TRUE(uri.expandUri);
    EXPECT_EQ(uri.items, (Items{{"connect_timeout", "15"},
                                {"fallback_application_name", "ghdb"},
                                {"dbname", "postgresql://u:p@db:5433/plan?connect_timeout=2"},
                                {"client_encoding", "UTF8"}}));
    try {
        ToLibpqParameters("Provider=PostgreSQL;Host=db;Colour=blue");
        FAIL() << "an unknown key was taken";
    } catch (const DriverError& e) {
        EXPECT_EQ(e.records().back().description,
                  "The connection string has a key that PostgreSQL does not know: Colour");
    }
}

}  // namespace
}  // namespace ghdb::driver::pg
