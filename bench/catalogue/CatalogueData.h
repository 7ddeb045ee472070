#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <functional>
#include <string>

#include "support/BenchRow.h"

namespace ghdb::bench {

// A fresh configuration database file with every table and no rows, named after `tag`; its
// connection string. It holds one spatial database (DBID 1) for the layers to live in.
std::string MakeConfigDatabase(const std::string& tag);

// A fresh configuration database (see MakeConfigDatabase) with `rows` rows written straight
// into it in one transaction, row i by the statement `insert(i)`.
std::string MakeFilledConfigDatabase(const std::string& tag, int rows,
                                     const std::function<std::string(int)>& insert);

// Whether `table` of the database holds `count` rows whose `column` adds up to `sum`: the check
// that a replacement benchmark stored the rows it was given.
bool HoldsRows(const std::string& connection, const std::string& table, const std::string& column,
               long count, long sum);

// Runs a statement of the set-up; a failure ends the benchmark run.
void ExecOrThrow(sqlite3* db, const std::string& sql);

// Times a replacement written directly on libsqlite3, on the database of `connection` opened
// as the library opens it: each iteration runs, in one immediate transaction, `remove` and then
// `insert` once per row, row i's parameters bound by `bind(insert, i)`.
template <class Bind>
void TimeDirectReplace(benchmark::State& state, const std::string& connection, const char* remove,
                       const char* insert, int rows, Bind bind);

// Layers written straight into the tables, in one transaction, for benchmark set-ups.
struct LayerFill {
    long groupId;
    long firstLayerId;
    int layers;
    int fieldsPerLayer;
    // An extension per layer whose parse id is the layer id, and a figure layer of three CAD
    // layers under that parse id.
    bool drawing;
};

// Stores group `groupId` as a root group when it is not there yet, then the layers of `fill`
// linked to it with display orders 1, 2, 3 ... and their fields (and drawing rows).
void FillGroup(sqlite3* db, const LayerFill& fill);

// The first column of the first row of a query, for checking what a benchmark left behind.
long QueryLong(sqlite3* db, const std::string& sql);

template <class Bind>
void TimeDirectReplace(benchmark::State& state, const std::string& connection, const char* remove,
                       const char* insert, int rows, Bind bind) {
    sqlite3* db = OpenDirect(connection);
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, insert, -1, &statement, nullptr) != SQLITE_OK)
        state.SkipWithError(sqlite3_errmsg(db));
    for (auto _ : state) {
        if (!statement) break;
        ExecOrThrow(db, "BEGIN IMMEDIATE");
        ExecOrThrow(db, remove);
        for (int i = 0; i < rows; ++i) {
            bind(statement, i);
            if (sqlite3_step(statement) != SQLITE_DONE) state.SkipWithError("insert failed");
            sqlite3_reset(statement);
        }
        ExecOrThrow(db, "COMMIT");
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

}  // namespace ghdb::bench
