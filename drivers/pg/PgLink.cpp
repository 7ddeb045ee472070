#include "drivers/pg/PgLink.h"

#include <cstring>
#include <functional>
#include <vector>

namespace ghdb::driver::pg {

namespace {

constexpr const char* kSource = "PostgreSQL";
// Prepared statements kept per connection, and texts remembered as seen once.
constexpr std::size_t kPreparedLimit = 256;
constexpr std::size_t kSeenLimit = 4096;

std::string Trimmed(const char* text) {
    std::string out = text ? text : "";
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ' || out.back() == '\t'))
        out.pop_back();
    return out;
}

bool Succeeded(const PGresult* result) {
    switch (PQresultStatus(result)) {
        case PGRES_COMMAND_OK:
        case PGRES_TUPLES_OK:
        case PGRES_SINGLE_TUPLE:
        case PGRES_EMPTY_QUERY:
            return true;
        default:
            return false;
    }
}

// A prepared query whose table has changed its columns since: the server refuses to run it.
bool StalePlan(const PGresult* result) {
    if (!result || PQresultStatus(result) != PGRES_FATAL_ERROR) return false;
    const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
    const char* text = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    return state && text && std::strcmp(state, "0A000") == 0 &&
           std::strstr(text, "cached plan must not change result type") != nullptr;
}

bool IsCopy(const PGresult* result) {
    const ExecStatusType status = PQresultStatus(result);
    return status == PGRES_COPY_IN || status == PGRES_COPY_OUT || status == PGRES_COPY_BOTH;
}

// Reads every result still due, so that the connection can take the next statement. A COPY
// is ended: the library neither sends nor reads COPY data.
void Drain(PGconn* conn) {
    while (Result rest{PQgetResult(conn)}) {
        const ExecStatusType status = PQresultStatus(rest.get());
        if (status == PGRES_COPY_IN) {
            PQputCopyEnd(conn, "COPY is not supported");
        } else if (status == PGRES_COPY_OUT || status == PGRES_COPY_BOTH) {
            char* data = nullptr;
            while (PQgetCopyData(conn, &data, 0) > 0) PQfreemem(data);
        }
        if (PQstatus(conn) == CONNECTION_BAD) break;
    }
}

}  // namespace

Link::Link(const LibpqParameters& parameters) {
    std::vector<const char*> keys;
    std::vector<const char*> values;
    for (const auto& [key, value] : parameters.items) {
        keys.push_back(key.c_str());
        values.push_back(value.c_str());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);
    conn_ = PQconnectdbParams(keys.data(), values.data(), parameters.expandUri ? 1 : 0);
    if (!conn_) throw DriverError({ErrorRecord{"out of memory", kSource, "", 0}});
    if (PQstatus(conn_) != CONNECTION_OK) {
        ErrorRecord record{Trimmed(PQerrorMessage(conn_)), kSource, "08001", 0};
        PQfinish(conn_);
        throw DriverError({std::move(record)});
    }
    // Notices ("schema already exists, skipping") are no errors; libpq would print them.
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
}

Link::~Link() {
    PQfinish(conn_);
}

void Link::fail(const PGresult* result) const {
    ErrorRecord record{"", kSource, "", 0};
    if (result) {
        if (const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)) {
            record.description = primary;
            if (const char* detail = PQresultErrorField(result, PG_DIAG_MESSAGE_DETAIL))
                record.description += std::string("\n") + detail;
        }
        if (const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE))
            record.sqlState = state;
        if (record.description.empty()) record.description = Trimmed(PQresultErrorMessage(result));
    }
    if (record.description.empty()) record.description = Trimmed(PQerrorMessage(conn_));
    if (record.description.empty()) record.description = "the statement failed";
    if (record.sqlState.empty() && lost()) record.sqlState = "08006";
    throw DriverError({std::move(record)});
}

Result Link::exec(const std::string& sql) {
    settle();
    Result result(PQexec(conn_, sql.c_str()));
    if (result && IsCopy(result.get())) {
        Drain(conn_);
        throw DriverError({ErrorRecord{"COPY is not supported", kSource, "0A000", 0}});
    }
    if (!result || !Succeeded(result.get())) fail(result.get());
    return result;
}

Result Link::run(const std::string& sql, Parameters& params, Reuse reuse) {
    settle();
    const char* name = prepared(sql, params, reuse);
    auto execute = [&](const char* statement) {
        return Result(statement
                          ? PQexecPrepared(conn_, statement, params.count(), params.values(),
                                           params.lengths(), params.formats(), 0)
                          : PQexecParams(conn_, sql.c_str(), params.count(), nullptr,
                                         params.values(), params.lengths(), params.formats(), 0));
    };
    Result result = execute(name);
    if (name && StalePlan(result.get()) && forget(sql)) result = execute(nullptr);
    if (!result || !Succeeded(result.get())) fail(result.get());
    return result;
}

void Link::send(const std::string& sql, const char* name, Parameters& params) {
    const int sent =
        name ? PQsendQueryPrepared(conn_, name, params.count(), params.values(), params.lengths(),
                                   params.formats(), 0)
             : PQsendQueryParams(conn_, sql.c_str(), params.count(), nullptr, params.values(),
                                 params.lengths(), params.formats(), 0);
    if (!sent) fail(nullptr);
    PQsetSingleRowMode(conn_);
}

void Link::startRows(const std::string& sql, Parameters& params, Reuse reuse, Stream* owner) {
    settle();
    const char* name = prepared(sql, params, reuse);
    send(sql, name, params);
    rowsPending_ = true;
    Result first(PQgetResult(conn_));
    if (name && StalePlan(first.get())) {
        Drain(conn_);
        if (forget(sql)) {
            send(sql, nullptr, params);
            first.reset(PQgetResult(conn_));
        }
    }
    peeked_ = std::move(first);
    owner_ = owner;
}

void Link::finishRows() {
    peeked_.reset();
    Drain(conn_);
    rowsPending_ = false;
    owner_ = nullptr;
}

Result Link::nextResult() {
    Result result = peeked_ ? std::move(peeked_) : Result(PQgetResult(conn_));
    if (result && PQresultStatus(result.get()) == PGRES_SINGLE_TUPLE) return result;
    finishRows();
    if (!result || !Succeeded(result.get())) fail(result.get());
    return result;
}

void Link::discardRows(Stream* owner) {
    if (rowsPending_ && owner_ == owner) finishRows();
}

void Link::settle() {
    if (!rowsPending_) return;
    if (owner_) {
        Stream* owner = owner_;
        owner_ = nullptr;
        owner->readAhead();
    }
    // Rows of a reader that stopped early (it failed while it read them).
    if (rowsPending_) finishRows();
}

const char* Link::prepared(const std::string& sql, Parameters& params, Reuse reuse) {
    if (auto it = prepared_.find(sql); it != prepared_.end()) return it->second.c_str();
    if (reuse == Reuse::OnRepeat) {
        const std::size_t hash = std::hash<std::string>{}(sql);
        if (seen_.insert(hash).second) {
            if (seen_.size() > kSeenLimit) {
                seen_.clear();
                seen_.insert(hash);
            }
            return nullptr;
        }
    }
    if (prepared_.size() >= kPreparedLimit) forgetStatements();
    std::string name = "ghdb_" + std::to_string(++named_);
    Result result(PQprepare(conn_, name.c_str(), sql.c_str(), params.count(), nullptr));
    if (!result || !Succeeded(result.get())) fail(result.get());
    return prepared_.emplace(sql, std::move(name)).first->second.c_str();
}

bool Link::forget(const std::string& sql) {
    const auto it = prepared_.find(sql);
    if (it == prepared_.end()) return false;
    const std::string name = std::move(it->second);
    prepared_.erase(it);
    // In a failed transaction the server takes no statement; the old one then stays until the
    // prepared statements are dropped together, and the text is prepared afresh under a new name.
    if (transactionStatus() != PQTRANS_IDLE) return false;
    Result(PQexec(conn_, ("DEALLOCATE " + name).c_str()));
    return true;
}

void Link::forgetStatements() {
    if (prepared_.empty()) return;
    // Names are never used twice, so a failure here leaves nothing that a new name could meet.
    prepared_.clear();
    settle();
    Result(PQexec(conn_, "DEALLOCATE ALL"));
}

}  // namespace ghdb::driver::pg
