// The array operations on PostgreSQL through the library's libpq driver, beside the same work
// written directly on libpq. They run when GHDB_BENCH_LIBPQ names a PostgreSQL database for
// libpq (a postgresql:// URI or a Provider=PostgreSQL string, e.g. that of
// `.ci/postgres-start --libpq`).
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdlib>
#include <string>
#include <vector>

#include "ghdb.h"
#include "support/ArrayOperationRuns.h"
#include "support/BenchRow.h"
#include "support/LibpqDirect.h"
#include "support/ServerData.h"

namespace ghdb::bench {
namespace {

void ReadAll(benchmark::State& state, const std::string& connection) {
    FillServerBenchTable(connection, static_cast<int>(state.range(0)));
    ReadAllRecords(state, connection);
}

void AddAll(benchmark::State& state, const std::string& connection) {
    FillServerBenchTable(connection, 0);
    AddAllRecords(state, connection);
}

void ReadAllDirect(benchmark::State& state, const std::string& connection, ReadMode mode) {
    const int rows = static_cast<int>(state.range(0));
    FillServerBenchTable(connection, rows);
    LibpqConnection db(connection);
    for (auto _ : state) {
        std::vector<CBenchRow*> records;
        ForEachRow(db.get(), mode, "SELECT * FROM GHB_Row", 0, nullptr, [&](PGresult* r, int i) {
            auto* row = new CBenchRow;
            row->RowID = Long(r, i, 0);
            row->T1 = Text(r, i, 1);
            row->T2 = Text(r, i, 2);
            row->T3 = Text(r, i, 3);
            row->T4 = Text(r, i, 4);
            row->T5 = Text(r, i, 5);
            row->T6 = Text(r, i, 6);
            row->L1 = Long(r, i, 7);
            row->L2 = Long(r, i, 8);
            row->L3 = Long(r, i, 9);
            row->L4 = Long(r, i, 10);
            row->L5 = Long(r, i, 11);
            row->L6 = Long(r, i, 12);
            row->L7 = Long(r, i, 13);
            row->D1 = Double(r, i, 14);
            row->D2 = Double(r, i, 15);
            row->D3 = Double(r, i, 16);
            row->D4 = Double(r, i, 17);
            row->B1 = Long(r, i, 18) != 0;
            row->B2 = Long(r, i, 19) != 0;
            records.push_back(row);
        });
        if (static_cast<int>(records.size()) != rows) state.SkipWithError("read failed");
        for (CBenchRow* r : records) delete r;
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void AddAllDirect(benchmark::State& state, const std::string& connection) {
    const int rows = static_cast<int>(state.range(0));
    FillServerBenchTable(connection, 0);
    LibpqConnection db(connection);
    CArray<CBenchRow, CBenchRow&> values = SampleRows(rows);
    db.check(PQprepare(db.get(), "add",
                       "INSERT INTO GHB_Row (T1, T2, T3, T4, T5, T6, L1, L2, L3, L4, L5, L6, L7, "
                       "D1, D2, D3, D4, B1, B2) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, "
                       "$11, $12, $13, $14, $15, $16, $17, $18, $19) RETURNING RowID",
                       0, nullptr));
    for (auto _ : state) {
        state.PauseTiming();
        db.exec("DELETE FROM GHB_Row");
        state.ResumeTiming();
        db.exec("BEGIN");
        for (int i = 0; i < rows; ++i) {
            CBenchRow& r = values[i];
            char numbers[13][32];
            const char* params[19];
            int k = 0;
            for (CString* t : {&r.T1, &r.T2, &r.T3, &r.T4, &r.T5, &r.T6}) params[k++] = *t;
            int n = 0;
            auto number = [&](auto v) {
                *std::to_chars(numbers[n], numbers[n] + 31, v).ptr = '\0';
                params[k++] = numbers[n++];
            };
            for (long l : {r.L1, r.L2, r.L3, r.L4, r.L5, r.L6, r.L7}) number(l);
            for (double d : {r.D1, r.D2, r.D3, r.D4}) number(d);
            for (BOOL b : {r.B1, r.B2}) number(b ? 1 : 0);
            PGresult* added = PQexecPrepared(db.get(), "add", 19, params, nullptr, nullptr, 0);
            if (PQresultStatus(added) == PGRES_TUPLES_OK) r.RowID = Long(added, 0, 0);
            db.check(added);
        }
        db.exec("COMMIT");
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void ServerForwardPass(benchmark::State& state, const std::string& connection) {
    FillServerBenchTable(connection, static_cast<int>(state.range(0)));
    ForwardPass(state, connection);
}

}  // namespace

void RegisterLibpqBenchmarks() {
    const char* connection = std::getenv("GHDB_BENCH_LIBPQ");
    if (!connection || !*connection) return;
    const std::string c = connection;
    benchmark::RegisterBenchmark("ghdb/libpq read all as new objects", ReadAll, c)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("direct/libpq read all as new objects", ReadAllDirect, c,
                                 ReadMode::SingleRow)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("direct-whole/libpq read all as new objects", ReadAllDirect, c,
                                 ReadMode::Whole)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ghdb/libpq forward pass", ServerForwardPass, c)
        ->Arg(1000000)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ghdb/libpq add all from values", AddAll, c)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("direct/libpq add all from values", AddAllDirect, c)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace ghdb::bench
