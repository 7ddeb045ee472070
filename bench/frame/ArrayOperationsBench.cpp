#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/ArrayOperationRuns.h"
#include "support/BenchRow.h"

namespace ghdb::bench {
namespace {

const std::string& Database(int rows) {
    static std::map<int, std::string> made;
    auto it = made.find(rows);
    if (it == made.end()) it = made.emplace(rows, MakeBenchDatabase(rows)).first;
    return it->second;
}

CString Text(sqlite3_stmt* stmt, int i) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    return CString(
        std::string(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
}

void ReadAllAsNewObjects(benchmark::State& state) {
    ReadAllRecords(state, Database(static_cast<int>(state.range(0))));
}

void AddAllFromValues(benchmark::State& state) {
    AddAllRecords(state, Database(0));
}

// A database of state.range(0) sample rows, filled by one statement: a million records in
// memory at once would dwarf what the pass itself holds.
void EmbeddedForwardPass(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    static const std::string connection = [rows] {
        const std::string made = MakeBenchDatabase(0);
        sqlite3* db = OpenDirect(made);
        const std::string fill =
            "WITH RECURSIVE g(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM g WHERE i < " +
            std::to_string(rows - 1) +
            ") INSERT INTO GHB_Row (T1, T2, T3, T4, T5, T6, L1, L2, L3, L4, L5, L6, L7, D1, D2, "
            "D3, D4, B1, B2) SELECT 'Layer ' || i, '道路中心线', printf('GH_%06d', i), "
            "'Planning', '', 'remark', i, i % 7, 3, -1, i * 2, 200, 0, i * 0.5, 1.25, 500.0, "
            "-3.75, i % 2, 1 FROM g";
        const int rc = sqlite3_exec(db, fill.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        if (rc != SQLITE_OK) throw std::runtime_error("could not fill the benchmark table");
        return made;
    }();
    ForwardPass(state, connection);
}

void ReadAllDirect(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    sqlite3* db = OpenDirect(Database(rows));
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM GHB_Row", -1, &stmt, nullptr);
    for (auto _ : state) {
        std::vector<CBenchRow*> records;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            auto* r = new CBenchRow;
            r->RowID = sqlite3_column_int(stmt, 0);
            r->T1 = Text(stmt, 1);
            r->T2 = Text(stmt, 2);
            r->T3 = Text(stmt, 3);
            r->T4 = Text(stmt, 4);
            r->T5 = Text(stmt, 5);
            r->T6 = Text(stmt, 6);
            r->L1 = sqlite3_column_int(stmt, 7);
            r->L2 = sqlite3_column_int(stmt, 8);
            r->L3 = sqlite3_column_int(stmt, 9);
            r->L4 = sqlite3_column_int(stmt, 10);
            r->L5 = sqlite3_column_int(stmt, 11);
            r->L6 = sqlite3_column_int(stmt, 12);
            r->L7 = sqlite3_column_int(stmt, 13);
            r->D1 = sqlite3_column_double(stmt, 14);
            r->D2 = sqlite3_column_double(stmt, 15);
            r->D3 = sqlite3_column_double(stmt, 16);
            r->D4 = sqlite3_column_double(stmt, 17);
            r->B1 = sqlite3_column_int(stmt, 18) != 0;
            r->B2 = sqlite3_column_int(stmt, 19) != 0;
            records.push_back(r);
        }
        sqlite3_reset(stmt);
        if (static_cast<int>(records.size()) != rows) state.SkipWithError("read failed");
        for (CBenchRow* r : records) delete r;
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * rows);
}

void AddAllDirect(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    sqlite3* db = OpenDirect(Database(0));
    CArray<CBenchRow, CBenchRow&> values = SampleRows(rows);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO GHB_Row (T1, T2, T3, T4, T5, T6, L1, L2, L3, L4, L5, L6, L7, "
                       "D1, D2, D3, D4, B1, B2) VALUES "
                       "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                       -1, &insert, nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        sqlite3_exec(db, "DELETE FROM GHB_Row", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < rows; ++i) {
            CBenchRow& r = values[i];
            int k = 1;
            for (const CString* t : {&r.T1, &r.T2, &r.T3, &r.T4, &r.T5, &r.T6})
                sqlite3_bind_text(insert, k++, *t, t->GetLength(), SQLITE_TRANSIENT);
            for (long l : {r.L1, r.L2, r.L3, r.L4, r.L5, r.L6, r.L7})
                sqlite3_bind_int(insert, k++, static_cast<int>(l));
            for (double d : {r.D1, r.D2, r.D3, r.D4}) sqlite3_bind_double(insert, k++, d);
            sqlite3_bind_int(insert, k++, r.B1 ? 1 : 0);
            sqlite3_bind_int(insert, k++, r.B2 ? 1 : 0);
            if (sqlite3_step(insert) != SQLITE_DONE) state.SkipWithError("insert failed");
            sqlite3_reset(insert);
            r.RowID = static_cast<long>(sqlite3_last_insert_rowid(db));
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(insert);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(ReadAllAsNewObjects)
    ->Name("ghdb/read all as new objects")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAllDirect)
    ->Name("direct/read all as new objects")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(EmbeddedForwardPass)
    ->Name("ghdb/forward pass")
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(AddAllFromValues)
    ->Name("ghdb/add all from values")
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(AddAllDirect)
    ->Name("direct/add all from values")
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ghdb::bench
