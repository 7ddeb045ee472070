#include <benchmark/benchmark.h>

#include "support/RatioReporter.h"

namespace ghdb::bench {
void RegisterServerBenchmarks();
}

int main(int argc, char** argv) {
    ghdb::bench::RegisterServerBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ghdb::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
