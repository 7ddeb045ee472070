#include "support/LibpqDirect.h"

#include <stdexcept>
#include <vector>

#include "drivers/pg/PgConnectionString.h"

namespace ghdb::bench {

LibpqConnection::LibpqConnection(const std::string& connection) {
    // The library's key/value form is taken apart as the library does; a URI goes as it is.
    const driver::pg::LibpqParameters p = driver::pg::ToLibpqParameters(connection);
    std::vector<const char*> keys, values;
    for (const auto& [k, v] : p.items) {
        keys.push_back(k.c_str());
        values.push_back(v.c_str());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    conn_ = PQconnectdbParams(keys.data(), values.data(), p.expandUri ? 1 : 0);
    if (PQstatus(conn_) != CONNECTION_OK) {
        const std::string message = PQerrorMessage(conn_);
        PQfinish(conn_);
        throw std::runtime_error(message);
    }
    exec("SET search_path = dbo, public");
}

LibpqConnection::~LibpqConnection() {
    PQfinish(conn_);
}

void LibpqConnection::check(PGresult* result) {
    const ExecStatusType status = PQresultStatus(result);
    const std::string message = PQresultErrorMessage(result);
    PQclear(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) throw std::runtime_error(message);
}

void LibpqConnection::exec(const char* sql) {
    check(PQexec(conn_, sql));
}

void ForEachRow(PGconn* conn, ReadMode mode, const char* sql, int count, const char* const* values,
                const std::function<void(PGresult*, int)>& each) {
    if (mode == ReadMode::Whole) {
        PGresult* r = PQexecParams(conn, sql, count, nullptr, values, nullptr, nullptr, 0);
        if (PQresultStatus(r) != PGRES_TUPLES_OK) {
            const std::string message = PQresultErrorMessage(r);
            PQclear(r);
            throw std::runtime_error(message);
        }
        for (int i = 0; i < PQntuples(r); ++i) each(r, i);
        PQclear(r);
        return;
    }
    if (!PQsendQueryParams(conn, sql, count, nullptr, values, nullptr, nullptr, 0))
        throw std::runtime_error(PQerrorMessage(conn));
    PQsetSingleRowMode(conn);
    std::string failure;
    while (PGresult* r = PQgetResult(conn)) {
        const ExecStatusType status = PQresultStatus(r);
        if (status == PGRES_SINGLE_TUPLE)
            each(r, 0);
        else if (status != PGRES_TUPLES_OK)
            failure = PQresultErrorMessage(r);
        PQclear(r);
    }
    if (!failure.empty()) throw std::runtime_error(failure);
}

}  // namespace ghdb::bench
