#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace ghdb::bench {

// The library's side of the GetKidLayers benchmarks, on any engine: reading the `layers`
// layers of group `group` through an access object of `connection`.
void ReadKidLayers(benchmark::State& state, const std::string& connection, long group, int layers);

}  // namespace ghdb::bench
