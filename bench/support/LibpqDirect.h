#pragma once

#include <libpq-fe.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "ghdb.h"

namespace ghdb::bench {

// A plain libpq connection, as a host would open one: the dbo schema first. `connection` is a
// postgresql:// URI or the library's `Provider=PostgreSQL;…` string.
class LibpqConnection {
public:
    explicit LibpqConnection(const std::string& connection);
    ~LibpqConnection();
    LibpqConnection(const LibpqConnection&) = delete;
    LibpqConnection& operator=(const LibpqConnection&) = delete;

    PGconn* get() const noexcept { return conn_; }
    // Runs a statement; a failure ends the benchmark run.
    void exec(const char* sql);
    // Checks a result, clears it, and throws with the server's message when it failed.
    void check(PGresult* result);

private:
    PGconn* conn_ = nullptr;
};

// How the direct code reads a result: whole (PQexecParams), or one row at a time (single-row
// mode), which on this kind of machine spares the page faults of a large result's memory.
enum class ReadMode { Whole, SingleRow };

// Runs `sql` with text parameters and hands every row to `each` (result, row index).
void ForEachRow(PGconn* conn, ReadMode mode, const char* sql, int count, const char* const* values,
                const std::function<void(PGresult*, int)>& each);

inline long Long(PGresult* r, int row, int column) {
    return std::strtol(PQgetvalue(r, row, column), nullptr, 10);
}
inline double Double(PGresult* r, int row, int column) {
    return std::strtod(PQgetvalue(r, row, column), nullptr);
}
inline CString Text(PGresult* r, int row, int column) {
    return CString(PQgetvalue(r, row, column), PQgetlength(r, row, column));
}

}  // namespace ghdb::bench
