#include "support/TestDatabase.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace ghdb::test {

MessageCapture::MessageCapture() {
    previous_ = SetMessageHandler([this](const char* text, const char* caption) {
        messages_.push_back(Message{text, caption});
    });
}

MessageCapture::~MessageCapture() {
    SetMessageHandler(previous_);
}

StatementLog::StatementLog(ConnectionPtr connection) : connection_(std::move(connection)) {
    connection_->SetStatementLog([this](const std::string& sql) { statements_.push_back(sql); });
}

StatementLog::~StatementLog() {
    connection_->SetStatementLog(nullptr);
}

long StatementLog::Count(const std::string& start) const {
    long n = 0;
    for (const std::string& sql : statements_)
        if (sql.rfind(start, 0) == 0) ++n;
    return n;
}

namespace {

const char* ServerConnection() {
    const char* value = std::getenv("GHDB_TEST_CONNECTION");
    return value && *value ? value : nullptr;
}

std::string TempFile() {
    static int counter = 0;
    return (std::filesystem::temp_directory_path() /
            ("ghdb-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".db"))
        .string();
}

// A server database loses every table of the previous test; the schema is then set up afresh.
void EmptyServerDatabase(Connection& connection) {
    if (connection.GetEngine() == schema::Engine::SqlServer) {
        connection.Execute(
            "DECLARE @drop nvarchar(max) = N''; SELECT @drop = @drop + N'DROP TABLE dbo.' + "
            "QUOTENAME(name) + N'; ' FROM sys.tables WHERE schema_id = SCHEMA_ID(N'dbo'); "
            "EXEC sp_executesql @drop",
            nullptr, adCmdText);
        return;
    }
    connection.Execute("DROP SCHEMA IF EXISTS dbo CASCADE", nullptr, adCmdText);
    connection.Execute("CREATE SCHEMA dbo", nullptr, adCmdText);
}

}  // namespace

bool OnSqlite() {
    return ServerConnection() == nullptr;
}

void DatabaseTest::SetUp() {
    if (const char* server = ServerConnection()) {
        connectionString = server;
        own_ = Connection::Create();
        own_->Open(connectionString.c_str());
        EmptyServerDatabase(*own_);
    } else {
        file_ = TempFile();
        connectionString = "Provider=SQLite;Data Source=" + file_;
    }
    ASSERT_EQ(CreateConfigSchema(connectionString.c_str()), 2);
    if (!own_) {
        own_ = Connection::Create();
        own_->Open(connectionString.c_str());
        // The tests' own rows need not survive a power cut.
        Exec("PRAGMA synchronous = OFF");
    }
    access = CBaseClassAccess::CreateInstance(connectionString.c_str());
    ASSERT_NE(access, nullptr);
    messages.clear();
}

void DatabaseTest::TearDown() {
    log_.reset();
    if (access) access->ReleaseInstance();
    own_.reset();
    if (!file_.empty()) {
        for (const char* suffix : {"", "-wal", "-shm"}) std::remove((file_ + suffix).c_str());
    }
}

void DatabaseTest::Exec(const std::string& sql) {
    own_->Execute(sql.c_str(), nullptr, adCmdText);
}

Table DatabaseTest::Rows(const std::string& sql) {
    Recordset rs;
    rs.Open(sql.c_str(), own_, adOpenKeyset, adLockReadOnly, adCmdText);
    Table rows;
    FieldsPtr fields = rs.GetFields();
    for (; !rs.EndOfFile(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (long i = 0; i < fields->GetCount(); ++i) {
            const _variant_t& v = fields->GetItem(i)->GetValue();
            row.push_back(v.vt == VT_NULL ? "<null>" : VariantToText(v).value_or("<blob>"));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void DatabaseTest::InjectFault(const std::string& table, const std::string& event, Failure failure,
                               const std::string& when) {
    const std::string name = "ghdb_fault_" + std::to_string(faults_.size());
    if (OnSqlite()) {
        Exec("CREATE TRIGGER " + name + " BEFORE " + event + " ON " + table +
             (when.empty() ? "" : " WHEN " + when) + " BEGIN SELECT RAISE(" +
             (failure == Failure::Alone ? "ABORT" : "ROLLBACK") + ", 'injected fault'); END");
        faults_.push_back("DROP TRIGGER " + name);
        return;
    }
    // The server ends a transaction for good only with its session, so that failure ends the
    // session that runs the statement.
    const std::string body = failure == Failure::Alone
                                 ? "BEGIN RAISE EXCEPTION ''injected fault''; END"
                                 : "BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); "
                                   "RETURN NULL; END";
    Exec("CREATE OR REPLACE FUNCTION " + name + "() RETURNS trigger LANGUAGE plpgsql AS '" + body +
         "'");
    Exec("CREATE TRIGGER " + name + " BEFORE " + event + " ON " + table + " FOR EACH ROW" +
         (when.empty() ? "" : " WHEN (" + when + ")") + " EXECUTE FUNCTION " + name + "()");
    faults_.push_back("DROP TRIGGER " + name + " ON " + table);
}

void DatabaseTest::ClearFaults() {
    for (const std::string& drop : faults_) Exec(drop);
    faults_.clear();
}

StatementLog& DatabaseTest::LogStatements() {
    log_ = std::make_unique<StatementLog>(access->RefConnection());
    return *log_;
}

long DatabaseTest::Count(const std::string& table, const std::string& where) {
    const auto rows =
        Rows("SELECT COUNT(*) FROM " + table + (where.empty() ? "" : " WHERE " + where));
    return std::stol(rows.at(0).at(0));
}

}  // namespace ghdb::test
