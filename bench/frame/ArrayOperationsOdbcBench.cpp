// The array operations on PostgreSQL through ODBC, beside the same work written directly
// through ODBC. They run when GHDB_BENCH_CONNECTION names a PostgreSQL database (an ODBC
// connection string), e.g. the cluster of .ci/postgres-start.
#include <benchmark/benchmark.h>
#include <sql.h>
#include <sqlext.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/ArrayOperationRuns.h"
#include "support/BenchRow.h"
#include "support/ServerData.h"

namespace ghdb::bench {
namespace {

const char* ServerConnection() {
    return std::getenv("GHDB_BENCH_CONNECTION");
}

void Check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle) {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return;
    SQLCHAR state[6] = {}, text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLGetDiagRec(type, handle, 1, state, &native, text, sizeof text, &length);
    throw std::runtime_error(reinterpret_cast<char*>(text));
}

// A plain ODBC connection, as a host would write one: UTF-8, the dbo schema first.
struct Direct {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;

    explicit Direct(const std::string& connection) {
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
        SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
        Check(SQLDriverConnect(dbc, nullptr, (SQLCHAR*)connection.c_str(), SQL_NTS, nullptr, 0,
                               nullptr, SQL_DRIVER_NOPROMPT),
              SQL_HANDLE_DBC, dbc);
        exec("SET search_path = dbo, public");
    }
    ~Direct() {
        SQLDisconnect(dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
    }
    void exec(const char* sql) {
        SQLHSTMT stmt;
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        Check(SQLExecDirect(stmt, (SQLCHAR*)sql, SQL_NTS), SQL_HANDLE_STMT, stmt);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    }
    void autocommit(bool on) {
        SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT,
                          reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF),
                          0);
    }
};

CString Text(SQLHSTMT stmt, SQLUSMALLINT column) {
    char buffer[512];
    SQLLEN length = 0;
    SQLGetData(stmt, column, SQL_C_CHAR, buffer, sizeof buffer, &length);
    return length == SQL_NULL_DATA ? CString()
                                   : CString(std::string(buffer, static_cast<std::size_t>(length)));
}

long Long(SQLHSTMT stmt, SQLUSMALLINT column) {
    SQLINTEGER v = 0;
    SQLLEN length = 0;
    SQLGetData(stmt, column, SQL_C_SLONG, &v, 0, &length);
    return v;
}

double Double(SQLHSTMT stmt, SQLUSMALLINT column) {
    double v = 0;
    SQLLEN length = 0;
    SQLGetData(stmt, column, SQL_C_DOUBLE, &v, 0, &length);
    return v;
}

void ReadAll(benchmark::State& state, const std::string& connection) {
    FillServerBenchTable(connection, static_cast<int>(state.range(0)));
    ReadAllRecords(state, connection);
}

void AddAll(benchmark::State& state, const std::string& connection) {
    FillServerBenchTable(connection, 0);
    AddAllRecords(state, connection);
}

void ReadAllDirect(benchmark::State& state, const std::string& connection) {
    const int rows = static_cast<int>(state.range(0));
    FillServerBenchTable(connection, rows);
    Direct db(connection);
    for (auto _ : state) {
        SQLHSTMT stmt;
        SQLAllocHandle(SQL_HANDLE_STMT, db.dbc, &stmt);
        Check(SQLExecDirect(stmt, (SQLCHAR*)"SELECT * FROM GHB_Row", SQL_NTS), SQL_HANDLE_STMT,
              stmt);
        std::vector<CBenchRow*> records;
        while (SQL_SUCCEEDED(SQLFetch(stmt))) {
            auto* r = new CBenchRow;
            r->RowID = Long(stmt, 1);
            r->T1 = Text(stmt, 2);
            r->T2 = Text(stmt, 3);
            r->T3 = Text(stmt, 4);
            r->T4 = Text(stmt, 5);
            r->T5 = Text(stmt, 6);
            r->T6 = Text(stmt, 7);
            r->L1 = Long(stmt, 8);
            r->L2 = Long(stmt, 9);
            r->L3 = Long(stmt, 10);
            r->L4 = Long(stmt, 11);
            r->L5 = Long(stmt, 12);
            r->L6 = Long(stmt, 13);
            r->L7 = Long(stmt, 14);
            r->D1 = Double(stmt, 15);
            r->D2 = Double(stmt, 16);
            r->D3 = Double(stmt, 17);
            r->D4 = Double(stmt, 18);
            r->B1 = Long(stmt, 19) != 0;
            r->B2 = Long(stmt, 20) != 0;
            records.push_back(r);
        }
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        if (static_cast<int>(records.size()) != rows) state.SkipWithError("read failed");
        for (CBenchRow* r : records) delete r;
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void AddAllDirect(benchmark::State& state, const std::string& connection) {
    const int rows = static_cast<int>(state.range(0));
    FillServerBenchTable(connection, 0);
    Direct db(connection);
    CArray<CBenchRow, CBenchRow&> values = SampleRows(rows);
    SQLHSTMT insert;
    SQLAllocHandle(SQL_HANDLE_STMT, db.dbc, &insert);
    Check(
        SQLPrepare(insert,
                   (SQLCHAR*)"INSERT INTO GHB_Row (T1, T2, T3, T4, T5, T6, L1, L2, L3, L4, L5, L6, "
                             "L7, D1, D2, D3, D4, B1, B2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                             "?, ?, ?, ?, ?, ?, ?, ?) RETURNING RowID",
                   SQL_NTS),
        SQL_HANDLE_STMT, insert);
    for (auto _ : state) {
        state.PauseTiming();
        db.exec("DELETE FROM GHB_Row");
        state.ResumeTiming();
        db.autocommit(false);
        for (int i = 0; i < rows; ++i) {
            CBenchRow& r = values[i];
            SQLLEN lengths[19];
            SQLUSMALLINT k = 1;
            for (CString* t : {&r.T1, &r.T2, &r.T3, &r.T4, &r.T5, &r.T6}) {
                lengths[k - 1] = t->GetLength();
                SQLBindParameter(insert, k, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 255, 0,
                                 (SQLPOINTER) static_cast<const char*>(*t), 0, &lengths[k - 1]);
                ++k;
            }
            for (long* l : {&r.L1, &r.L2, &r.L3, &r.L4, &r.L5, &r.L6, &r.L7}) {
                lengths[k - 1] = 0;
                SQLBindParameter(insert, k, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, l, 0,
                                 &lengths[k - 1]);
                ++k;
            }
            for (double* d : {&r.D1, &r.D2, &r.D3, &r.D4}) {
                lengths[k - 1] = 0;
                SQLBindParameter(insert, k, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, d, 0,
                                 &lengths[k - 1]);
                ++k;
            }
            for (BOOL* b : {&r.B1, &r.B2}) {
                lengths[k - 1] = 0;
                SQLBindParameter(insert, k, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0, b, 0,
                                 &lengths[k - 1]);
                ++k;
            }
            Check(SQLExecute(insert), SQL_HANDLE_STMT, insert);
            if (SQL_SUCCEEDED(SQLFetch(insert))) r.RowID = Long(insert, 1);
            SQLCloseCursor(insert);
        }
        SQLEndTran(SQL_HANDLE_DBC, db.dbc, SQL_COMMIT);
        db.autocommit(true);
    }
    SQLFreeHandle(SQL_HANDLE_STMT, insert);
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

void RegisterOdbcBenchmarks() {
    const char* connection = ServerConnection();
    if (!connection || !*connection) return;
    const std::string c = connection;
    benchmark::RegisterBenchmark("ghdb/odbc read all as new objects", ReadAll, c)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("direct/odbc read all as new objects", ReadAllDirect, c)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ghdb/odbc add all from values", AddAll, c)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("direct/odbc add all from values", AddAllDirect, c)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace ghdb::bench
