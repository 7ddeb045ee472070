#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace ghdb::bench {

// The library's side of the array benchmarks, on table GHB_Row of any engine: reading
// state.range(0) rows as new records, and adding state.range(0) sample rows.
void ReadAllRecords(benchmark::State& state, const std::string& connection);
void AddAllRecords(benchmark::State& state, const std::string& connection);

}  // namespace ghdb::bench
