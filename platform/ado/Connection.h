#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ado/AdoTypes.h"
#include "platform/ado/Errors.h"
#include "schema/Engine.h"

namespace ghdb {

namespace driver {
class Session;
class DriverError;
}  // namespace driver

// A connection to one database, chosen by its connection string (see drivers/).
class Connection {
public:
    using StatementLog = std::function<void(const std::string& sql)>;

    static ConnectionPtr Create() { return std::make_shared<Connection>(); }
    ~Connection();

    // Raises _com_error when the database cannot be opened; the engine's reasons are in Errors.
    void Open(const char* connectionString, const char* user = "", const char* password = "",
              long options = 0);
    // As Open, but an embedded database file that does not exist yet is created.
    void OpenCreating(const char* connectionString);
    void Close();
    long GetState() const noexcept { return session_ ? adStateOpen : adStateClosed; }

    // Runs a statement that returns no rows; hands back a closed recordset, as ADO does.
    RecordsetPtr Execute(const char* sql, long* recordsAffected, long options);

    Errors& GetErrors() noexcept { return errors_; }
    schema::Engine GetEngine() const;

    // Every statement text given to Execute and Recordset::Open, in order (for diagnostics and
    // tests).
    void SetStatementLog(StatementLog log) { log_ = std::move(log); }

    // The layer's own access to the engine; raises _com_error when the connection is closed.
    driver::Session& Session();
    void Log(const std::string& sql) const {
        if (log_) log_(sql);
    }
    // Records the engine's errors in Errors and raises _com_error with the last one.
    [[noreturn]] void Raise(const driver::DriverError& error);

private:
    friend class Transaction;
    void OpenWith(const char* connectionString, bool create);

    std::unique_ptr<driver::Session> session_;
    Errors errors_;
    StatementLog log_;
    int transactionDepth_ = 0;
};

// Work on a connection that is rolled back unless committed. Scopes nest through savepoints,
// so an operation that needs one may be called inside another's.
class Transaction {
public:
    enum class Kind {
        AllOrNothing,  // the first failure ends the work, which is then rolled back
        Cascade,       // failed statements are skipped and the work goes on
    };
    explicit Transaction(Connection& connection, Kind kind = Kind::AllOrNothing);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

private:
    Connection& connection_;
    int depth_;
    bool done_ = false;
};

}  // namespace ghdb
