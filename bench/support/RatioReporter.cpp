#include "support/RatioReporter.h"

#include <cstdio>

namespace ghdb::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Iteration && !run.error_occurred)
            seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\n%-52s %12s\n", "ghdb time / direct time", "ratio");
    for (const auto& [name, time] : seconds_) {
        if (name.rfind("ghdb/", 0) != 0) continue;
        const auto twin = seconds_.find("direct/" + name.substr(5));
        if (twin == seconds_.end() || twin->second <= 0) continue;
        std::printf("%-52s %12.2f\n", name.substr(5).c_str(), time / twin->second);
    }
}

}  // namespace ghdb::bench
