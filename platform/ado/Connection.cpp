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

Connection::~Connection() = default;

void Connection::Open(const char* connectionString, const char*, const char*, long) {
    OpenWith(connectionString, false);
}

void Connection::OpenCreating(const char* connectionString) {
    OpenWith(connectionString, true);
}

void Connection::OpenWith(const char* connectionString, bool create) {
    if (session_) throw _com_error(E_FAIL, "Operation is not allowed when the object is open.");
    try {
        session_ = driver::OpenSession(
            connectionString ? connectionString : "",
            create ? driver::OpenMode::CreateIfMissing : driver::OpenMode::Existing);
        transactionDepth_ = 0;
    } catch (const driver::DriverError& e) {
        Raise(e);
    }
}

void Connection::Close() {
    if (!session_) ClosedConnection();
    session_.reset();
    transactionDepth_ = 0;
}

schema::Engine Connection::GetEngine() const {
    if (!session_) ClosedConnection();
    return session_->engine();
}

driver::Session& Connection::Session() {
    if (!session_) ClosedConnection();
    return *session_;
}

void Connection::Raise(const driver::DriverError& error) {
    errors_.Clear();
    for (const auto& r : error.records())
        errors_.Add(Error{r.description, r.source, r.sqlState, r.nativeError});
    throw _com_error(E_FAIL, error.what(),
                     error.records().empty() ? std::string() : error.records().back().source);
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

Transaction::Transaction(Connection& connection, Kind kind)
    : connection_(connection), depth_(connection.transactionDepth_) {
    const bool keepGoing = kind == Kind::Cascade;
    try {
        if (depth_ == 0)
            connection_.Session().begin(keepGoing);
        else
            connection_.Session().savepoint(SavepointName(depth_), keepGoing);
    } catch (const driver::DriverError& e) {
        connection_.Raise(e);
    }
    connection_.transactionDepth_ = depth_ + 1;
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
    connection_.transactionDepth_ = depth_;
    // A failed rollback leaves nothing better to do here: the engine ends the transaction
    // itself when the connection goes.
    try {
        if (connection_.GetState() != adStateOpen) return;
        if (depth_ == 0)
            connection_.Session().rollback();
        else
            connection_.Session().rollbackToSavepoint(SavepointName(depth_));
    } catch (...) {
    }
}

}  // namespace ghdb
