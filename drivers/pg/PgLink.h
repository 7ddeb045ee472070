#pragma once

#include <libpq-fe.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "drivers/Session.h"
#include "drivers/pg/PgConnectionString.h"
#include "drivers/pg/PgValue.h"

namespace ghdb::driver::pg {

struct ResultDeleter {
    void operator()(PGresult* result) const noexcept { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

// Rows of a statement still arriving. The connection runs nothing else until they are read, so
// before another statement goes out the stream is asked to read the rest ahead.
class Stream {
public:
    virtual void readAhead() = 0;

protected:
    ~Stream() = default;
};

// Whether a statement text is prepared on the server: when it is met for the second time (a
// text seen once costs no extra round trip), or at once (statements the driver writes itself).
enum class Reuse { OnRepeat, Always };

// One libpq connection, its prepared statements, and the statement whose rows are arriving.
// Every failure raises DriverError with the server's words.
class Link {
public:
    explicit Link(const LibpqParameters& parameters);
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    bool lost() const noexcept { return PQstatus(conn_) == CONNECTION_BAD; }
    PGTransactionStatusType transactionStatus() const noexcept {
        return PQtransactionStatus(conn_);
    }

    // Runs a text of one or more statements without parameters; the result of the last one.
    Result exec(const std::string& sql);
    // Runs one statement with parameters; its whole result.
    Result run(const std::string& sql, Parameters& params, Reuse reuse);

    // Starts one statement whose rows then come one at a time from nextResult. `owner`, when
    // given, reads them ahead if another statement needs the connection first; without an owner
    // the caller reads them all before it runs anything else.
    void startRows(const std::string& sql, Parameters& params, Reuse reuse, Stream* owner);
    // The next row of the started statement (PGRES_SINGLE_TUPLE), else the result that ends it
    // (no rows, but the columns), after which the connection is free.
    Result nextResult();
    // Reads and drops what is left of `owner`'s statement.
    void discardRows(Stream* owner);

    // Drops every prepared statement: the tables they read may have changed shape.
    void forgetStatements();

    [[noreturn]] void fail(const PGresult* result) const;

private:
    void settle();
    void send(const std::string& sql, const char* name, Parameters& params);
    // The prepared statement for `sql`, or nullptr to run it unprepared this time.
    const char* prepared(const std::string& sql, Parameters& params, Reuse reuse);
    // Drops the prepared statement of `sql`; true when the statement can be run again at once
    // (no transaction is open).
    bool forget(const std::string& sql);
    void finishRows();

    PGconn* conn_ = nullptr;
    Stream* owner_ = nullptr;
    bool rowsPending_ = false;
    Result peeked_;  // the first result of the started statement, read to see it began well
    std::unordered_map<std::string, std::string> prepared_;  // statement text -> name
    std::unordered_set<std::size_t> seen_;                   // hashes of texts run once
    unsigned long named_ = 0;
};

}  // namespace ghdb::driver::pg
