#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace ghdb::bench {

// The library's side of the array benchmarks, on table GHB_Row of any engine: reading
// state.range(0) rows as new records, and adding state.range(0) sample rows.
void ReadAllRecords(benchmark::State& state, const std::string& connection);
void AddAllRecords(benchmark::State& state, const std::string& connection);
// One forward-only pass over state.range(0) rows, each read into one record and dropped.
// Counters: how far the resident memory grew above where it started (rss_growth_MB), and the
// process's peak resident memory after the pass (peak_rss_MB).
void ForwardPass(benchmark::State& state, const std::string& connection);

}  // namespace ghdb::bench
