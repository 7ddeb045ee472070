#include <gtest/gtest.h>

#include "drivers/odbc/SqlServerString.h"

namespace ghdb::driver::odbc {
namespace {

using Drivers = std::vector<std::string>;

std::string Chosen(const char* oleDb, const Drivers& installed) {
    return ChooseSqlServerDriver(ConnectionString(oleDb), installed);
}

TEST(SqlServerProvider, KnowsEverySqlServerProviderNameInAnyCase) {
    for (const char* name : {"SQLOLEDB", "sqloledb", "SQLOLEDB.1", "SQLNCLI", "SQLNCLI10",
                             "sqlncli11", "MSOLEDBSQL", "MSOLEDBSQL19"})
        EXPECT_TRUE(IsSqlServerProvider(name)) << name;
    for (const char* name : {"SQLite", "MSDASQL", "Microsoft.Jet.OLEDB.4.0", "SQLOLEDB.2", ""})
        EXPECT_FALSE(IsSqlServerProvider(name)) << name;
}

TEST(SqlServerDriverChoice, ADriverInTheStringThenTheNewestMicrosoftDriverThenFreeTds) {
    const Drivers all = {"PostgreSQL Unicode", "FreeTDS", "ODBC Driver 17 for SQL Server",
                         "ODBC Driver 18 for SQL Server"};
    EXPECT_EQ(Chosen("Provider=SQLOLEDB", all), "ODBC Driver 18 for SQL Server");
    EXPECT_EQ(Chosen("Provider=SQLOLEDB", {"FreeTDS", "ODBC Driver 17 for SQL Server"}),
              "ODBC Driver 17 for SQL Server");
    EXPECT_EQ(Chosen("Provider=SQLOLEDB", {"PostgreSQL ANSI", "FreeTDS"}), "FreeTDS");
    EXPECT_EQ(Chosen("Provider=SQLOLEDB", {"PostgreSQL ANSI", "SQL Server Native Client"}), "");
    EXPECT_EQ(Chosen("Provider=SQLOLEDB", {}), "");
    // A driver key in the string wins.
    EXPECT_EQ(Chosen("Provider=SQLOLEDB;Driver={FreeTDS};Data Source=db",
                     {"ODBC Driver 18 for SQL Server", "FreeTDS"}),
              "FreeTDS");
    // Named explicitly, it is used even when the driver manager does not list it.
    EXPECT_EQ(Chosen("Provider=SQLOLEDB;Driver=MyTds", {}), "MyTds");
}

TEST(SqlServerOdbcString, MapsTheParametersForEachDriverBracingOnlyWhatNeedsIt) {
    const char* v17 = "ODBC Driver 17 for SQL Server";
    const char* v18 = "ODBC Driver 18 for SQL Server";
    struct Case {
        const char* oleDb;
        const char* driver;
        const char* odbc;
    };
    for (const Case& c : {
             Case{"Provider=SQLOLEDB;Data Source=db01,1444;Initial Catalog=PlanConfig;User ID=sa;"
                  "Password=secret",
                  v17,
                  "Driver={ODBC Driver 17 for SQL Server};Server=db01,1444;Database=PlanConfig;"
                  "UID=sa;PWD=secret;"},
             // FreeTDS gets the port separately and UTF-8 text.
             Case{"Provider=SQLOLEDB;Data Source=tcp:db01,1444;Initial Catalog=PlanConfig;User "
                  "ID=sa;Password=secret",
                  "FreeTDS",
                  "Driver={FreeTDS};Server=db01;Port=1444;TDS_Version=7.4;ClientCharset=UTF-8;"
                  "Database=PlanConfig;UID=sa;PWD=secret;"},
             Case{"Provider=SQLOLEDB;Data Source=(local)", "FreeTDS",
                  "Driver={FreeTDS};Server=localhost;TDS_Version=7.4;ClientCharset=UTF-8;"},
             // Driver 18 trusts the server only when encryption is not mentioned.
             Case{"Provider=SQLOLEDB;Data Source=db", v18,
                  "Driver={ODBC Driver 18 for SQL Server};Server=db;TrustServerCertificate=yes;"},
             Case{"Provider=MSOLEDBSQL;Data Source=db;Use Encryption for Data=True", v18,
                  "Driver={ODBC Driver 18 for SQL Server};Server=db;Encrypt=yes;"},
             Case{"Provider=MSOLEDBSQL;Data Source=db;TrustServerCertificate=no", v18,
                  "Driver={ODBC Driver 18 for SQL Server};Server=db;TrustServerCertificate=no;"},
             Case{"Provider=SQLOLEDB;Data Source=db", v17,
                  "Driver={ODBC Driver 17 for SQL Server};Server=db;"},
             // Values that would end early are quoted.
             Case{"Provider=SQLOLEDB;Data Source=db;User ID=planner;Password=\"a;b}c\"", "FreeTDS",
                  "Driver={FreeTDS};Server=db;TDS_Version=7.4;ClientCharset=UTF-8;UID=planner;"
                  "PWD={a;b}}c};"},
             // An empty user leaves the credentials out (EncodeConnectionString writes every
             // key, empty or not); integrated security is kept.
             Case{"Provider=SQLOLEDB;Data Source=db;Initial Catalog=;User ID=;Password=", v17,
                  "Driver={ODBC Driver 17 for SQL Server};Server=db;"},
             Case{"Provider=SQLNCLI11;Server=db;Integrated Security=SSPI", v17,
                  "Driver={ODBC Driver 17 for SQL Server};Server=db;Trusted_Connection=yes;"},
         })
        EXPECT_EQ(SqlServerOdbcString(ConnectionString(c.oleDb), c.driver), c.odbc) << c.oleDb;

    // Values are braced only when they need it.
    EXPECT_EQ(OdbcValue("plain"), "plain");
    EXPECT_EQ(OdbcValue(""), "");
    EXPECT_EQ(OdbcValue("a;b"), "{a;b}");
    EXPECT_EQ(OdbcValue("a}b"), "{a}}b}");
    EXPECT_EQ(OdbcValue("{x"), "{{x}");
    EXPECT_EQ(OdbcValue(" padded "), "{ padded }");
}

}  // namespace
}  // namespace ghdb::driver::odbc
