#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ghdb.h"
#include "support/Text.h"

namespace ghdb::test {

// Rows of a query, each as text values (NULL as "<null>").
using Table = std::vector<std::vector<std::string>>;

// The rows of a query run on `connection`.
Table RowsOf(const ConnectionPtr& connection, const std::string& sql);

// Every statement a connection runs while the log is alive, in order.
class StatementLog {
public:
    explicit StatementLog(ConnectionPtr connection);
    ~StatementLog();
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    const std::vector<std::string>& statements() const { return statements_; }
    // How many statements begin with `start`.
    long Count(const std::string& start) const;
    void clear() { statements_.clear(); }

private:
    ConnectionPtr connection_;
    std::vector<std::string> statements_;
};

// Every message the library shows while it is alive, in order.
class MessageCapture {
public:
    struct Message {
        std::string text;
        std::string caption;
        bool operator==(const Message&) const = default;
    };
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    std::vector<Message> messages_;
    MessageHandler previous_;
};

// The engine the suite runs on: GHDB_TEST_CONNECTION names a server database (ODBC
// connection string); without it every test gets a fresh SQLite file.
bool OnSqlite();

// A fresh, empty configuration database for each test, an access object on it, and the
// messages shown during the test.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a statement on a connection of the test's own (not the access object's).
    void Exec(const std::string& sql);
    // One row per value list, e.g. Insert("GH_ConfigInfo (ConfigItemName)", {"'A'", "'B'"}).
    void Insert(const std::string& tableAndColumns, std::initializer_list<const char*> rows) {
        for (const char* row : rows)
            Exec("INSERT INTO " + tableAndColumns + " VALUES (" + row + ")");
    }
    Table Rows(const std::string& sql);
    long Count(const std::string& table, const std::string& where = "");
    // Logs every statement the access object's connection runs from now on.
    StatementLog& LogStatements();

    // How an injected fault makes a statement fail.
    enum class Failure {
        Alone,            // the statement fails and is undone by itself
        EndsTransaction,  // the engine rolls back the whole transaction (or loses the link)
    };
    // Makes every `event` (DELETE, INSERT or UPDATE) on `table` fail for the rows where `when`
    // holds (a condition on OLD/NEW; empty: every row), until ClearFaults.
    void InjectFault(const std::string& table, const std::string& event, Failure failure,
                     const std::string& when = "");
    void ClearFaults();

    std::string connectionString;
    CBaseClassAccess* access = nullptr;
    MessageCapture messages;

    // The path of the embedded database file; empty on a server.
    const std::string& File() const { return file_; }

private:
    std::unique_ptr<StatementLog> log_;
    ConnectionPtr own_;
    std::string file_;
    std::vector<std::string> faults_;
};

}  // namespace ghdb::test
