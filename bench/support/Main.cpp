#include <benchmark/benchmark.h>

#include "support/RatioReporter.h"

namespace ghdb::bench {
void RegisterOdbcBenchmarks();
void RegisterLibpqBenchmarks();
void RegisterServerKidLayerBenchmarks();
}  // namespace ghdb::bench

int main(int argc, char** argv) {
    ghdb::bench::RegisterOdbcBenchmarks();
    ghdb::bench::RegisterLibpqBenchmarks();
    ghdb::bench::RegisterServerKidLayerBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ghdb::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
