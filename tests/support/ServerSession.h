#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "drivers/pg/PgConnectionString.h"
#include "support/TestDatabase.h"

namespace ghdb::test {

// A connection of the test's own to the PostgreSQL database that GHDB_TEST_CONNECTION names,
// for the driver tests; without one the test is skipped.
class ServerSession : public ::testing::Test {
protected:
    // Opens the connection, or skips the test: without a PostgreSQL database, or when
    // `nativeOnly` and the string is not one for the native driver.
    void Connect(bool nativeOnly) {
        const char* server = std::getenv("GHDB_TEST_CONNECTION");
        if (!server || !*server || (nativeOnly && !driver::pg::IsPostgresString(server)))
            GTEST_SKIP() << "GHDB_TEST_CONNECTION names no database for this route";
        connectionString = server;
        connection = Open();
        if (connection->GetEngine() != schema::Engine::PostgreSQL)
            GTEST_SKIP() << "GHDB_TEST_CONNECTION is not a PostgreSQL database";
    }

    ConnectionPtr Open() {
        ConnectionPtr c = Connection::Create();
        c->Open(connectionString.c_str());
        return c;
    }
    void Exec(const std::string& sql, const ConnectionPtr& on = nullptr) {
        (on ? on : connection)->Execute(sql.c_str(), nullptr, adCmdText);
    }
    RecordsetPtr Query(const std::string& sql, CursorTypeEnum cursor = adOpenKeyset,
                       LockTypeEnum lock = adLockOptimistic) {
        RecordsetPtr rs = Recordset::Create();
        rs->Open(sql.c_str(), connection, cursor, lock, adCmdText);
        return rs;
    }
    Table Rows(const std::string& sql, const ConnectionPtr& on = nullptr) {
        return RowsOf(on ? on : connection, sql);
    }
    // The last error of the connection's last failing call.
    const Error& LastError() {
        static const Error none;
        const Errors& errors = connection->GetErrors();
        return errors.GetCount() ? errors.GetItem(errors.GetCount() - 1) : none;
    }

    std::string connectionString;
    ConnectionPtr connection;
};

}  // namespace ghdb::test
