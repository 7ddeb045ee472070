#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ado/AdoTypes.h"
#include "platform/ado/Errors.h"
#include "platform/ado/TransactionKind.h"
#include "platform/com/ComError.h"
#include "schema/Engine.h"

namespace ghdb {

namespace driver {
class Session;
class DriverError;
}  // namespace driver

// Raised for every statement of a transaction that the engine has already rolled back by
// itself (a trigger's rollback, a full disk, a lost connection): the rest of the work must not
// run outside the transaction it was meant for.
class TransactionLost : public _com_error {
public:
    using _com_error::_com_error;
};

// A connection to one database, chosen by its connection string (see drivers/).
//
// A connection that the engine reports lost (a server restart, a dropped network) is opened
// again, once, by the next call made outside a transaction; the call that met the loss fails.
class Connection {
public:
    using StatementLog = std::function<void(const std::string& sql)>;

    static ConnectionPtr Create() { return std::make_shared<Connection>(); }
    Connection();
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
    const Errors& GetErrors() const noexcept { return errors_; }
    schema::Engine GetEngine() const;

    // Every statement text given to Execute and Recordset::Open, in order (for diagnostics and
    // tests).
    void SetStatementLog(StatementLog log) { log_ = std::move(log); }

    // The layer's own access to the engine; raises _com_error when the connection is closed,
    // TransactionLost when the engine has ended the transaction of an open scope.
    driver::Session& Session();
    // Whether a transaction scope is open on this connection.
    bool InTransaction() const noexcept { return transactionDepth_ > 0; }
    void Log(const std::string& sql) const {
        if (log_) log_(sql);
    }
    // Records the engine's errors in Errors and raises _com_error with the last one.
    [[noreturn]] void Raise(const driver::DriverError& error);

private:
    friend class Transaction;
    void OpenWith(const char* connectionString, bool create);

    std::unique_ptr<driver::Session> session_;
    // Sessions replaced after a lost connection; kept until Close, since a recordset of theirs
    // may still be open.
    std::vector<std::unique_ptr<driver::Session>> retired_;
    std::string connectionString_;
    bool create_ = false;
    Errors errors_;
    StatementLog log_;
    int transactionDepth_ = 0;
    // The engine ended the transaction of the open scope by itself.
    bool transactionLost_ = false;
    // The engine reported the connection lost; the next call outside a transaction reopens it.
    bool connectionLost_ = false;
};

// Work on a connection that is rolled back unless committed. Scopes nest through savepoints,
// so an operation that needs one may be called inside another's. Every scope may write: it
// takes the database's write lock when it begins (waiting for other writers as a single
// statement does), so that reading first and writing later cannot fail on a lock.
class Transaction {
public:
    explicit Transaction(Connection& connection,
                         TransactionKind kind = TransactionKind::AllOrNothing);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();
    // Serialises this transaction against every other writer that asks for `name` (a table),
    // until it ends: for work that computes a key or a position from the rows it reads.
    void Serialise(const std::string& name);

private:
    Connection& connection_;
    int depth_;
    bool done_ = false;
};

}  // namespace ghdb
