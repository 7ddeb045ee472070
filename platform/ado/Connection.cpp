#include "platform/ado/Connection.h"

#include "drivers/Session.h"
#include "platform/ado/Recordset.h"
#include "platform/com/ComError.h"

namespace ghdb {

namespace {

[[noreturn]] void ClosedConnection() {
    throw _com_error(adErrObjectClosed, "Operation is not allowed when the object is closed.");
}

std::string SavepointName(int depth) {
    return "ghdb_sp" + std::to_string(depth);
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() = default;

void Connection::Open(const char* connectionString, const char*, const char*, long) {
    OpenWith(connectionString, false);
}

void Connection::OpenCreating(const char* connectionString) {
    OpenWith(connectionString, true);
}

void Connection::OpenWith(const char* connectionString, bool create) {
    if (session_) throw _com_error(E_FAIL, "Operation is not allowed when the object is open.");
    connectionString_ = connectionString ? connectionString : "";
    create_ = create;
    try {
        session_ = driver::OpenSession(connectionString_, create ? driver::OpenMode::CreateIfMissing
                                                                 : driver::OpenMode::Existing);
        transactionDepth_ = 0;
        transactionLost_ = false;
        connectionLost_ = false;
    } catch (const driver::DriverError& e) {
        Raise(e);
    }
}

void Connection::Close() {
    if (!session_) ClosedConnection();
    session_.reset();
    retired_.clear();
    transactionDepth_ = 0;
    transactionLost_ = false;
    connectionLost_ = false;
}

schema::Engine Connection::GetEngine() const {
    if (!session_) ClosedConnection();
    return session_->engine();
}

driver::Session& Connection::Session() {
    if (!session_) ClosedConnection();
    if (transactionDepth_ > 0 && transactionLost_)
        throw TransactionLost(E_FAIL, "The transaction was ended by the database.");
    if (connectionLost_ && transactionDepth_ == 0) {
        connectionLost_ = false;
        try {
            std::unique_ptr<driver::Session> fresh =
                driver::OpenSession(connectionString_, create_ ? driver::OpenMode::CreateIfMissing
                                                               : driver::OpenMode::Existing);
            retired_.push_back(std::move(session_));
            session_ = std::move(fresh);
        } catch (const driver::DriverError& e) {
            // Still lost: the next call tries again.
            connectionLost_ = true;
            Raise(e);
        }
    }
    return *session_;
}

void Connection::Raise(const driver::DriverError& error) {
    errors_.Clear();
    for (const auto& r : error.records())
        errors_.Add(Error{r.description, r.source, r.sqlState, r.nativeError});
    const std::string source =
        error.records().empty() ? std::string() : error.records().back().source;
    // SQLSTATE class 08 is a connection failure on every ODBC driver.
    for (const auto& r : error.records())
        if (r.sqlState.rfind("08", 0) == 0) connectionLost_ = true;
    if (session_ && session_->connectionLost()) connectionLost_ = true;
    // The engine may have rolled the whole transaction back for a statement that failed
    // (a trigger's rollback, a full disk, a lost connection); nothing more may run in it.
    if (transactionDepth_ > 0 && !transactionLost_ && session_ &&
        (connectionLost_ || !session_->inTransaction()))
        transactionLost_ = true;
    if (transactionLost_ && transactionDepth_ > 0)
        throw TransactionLost(E_FAIL, error.what(), source);
    throw _com_error(E_FAIL, error.what(), source);
}

RecordsetPtr Connection::Execute(const char* sql, long* recordsAffected, long) {
    const std::string text = sql ? sql : "";
    Log(text);
    try {
        Session().execute(text);
    } catch (const driver::DriverError& e) {
        Raise(e);
    }
    if (recordsAffected) *recordsAffected = -1;
    return Recordset::Create();
}

Transaction::Transaction(Connection& connection, TransactionKind kind)
    : connection_(connection), depth_(connection.transactionDepth_) {
    if (depth_ == 0) connection_.transactionLost_ = false;
    try {
        if (depth_ == 0)
            connection_.Session().begin(kind);
        else
            connection_.Session().savepoint(SavepointName(depth_), kind);
    } catch (const driver::DriverError& e) {
        connection_.Raise(e);
    }
    connection_.transactionDepth_ = depth_ + 1;
}

void Transaction::Serialise(const std::string& name) {
    try {
        connection_.Session().serialise(name);
    } catch (const driver::DriverError& e) {
        connection_.Raise(e);
    }
}

void Transaction::Commit() {
    if (done_) return;
    try {
        if (depth_ == 0)
            connection_.Session().commit();
        else
            connection_.Session().releaseSavepoint(SavepointName(depth_));
    } catch (const driver::DriverError& e) {
        connection_.Raise(e);  // the destructor still rolls back
    }
    done_ = true;
    connection_.transactionDepth_ = depth_;
}

Transaction::~Transaction() {
    if (done_) return;
    // A failed rollback leaves nothing better to do here: the engine ends the transaction
    // itself when the connection goes.
    try {
        if (connection_.session_ && !connection_.transactionLost_) {
            if (depth_ == 0)
                connection_.session_->rollback();
            else
                connection_.session_->rollbackToSavepoint(SavepointName(depth_));
        } else if (connection_.session_ && depth_ == 0 && connection_.session_->inTransaction()) {
            connection_.session_->rollback();
        }
    } catch (...) {
    }
    connection_.transactionDepth_ = depth_;
    if (depth_ == 0) connection_.transactionLost_ = false;
}

}  // namespace ghdb
