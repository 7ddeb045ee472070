#include "support/RatioReporter.h"

#include <cstdio>

namespace ghdb::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        // With repetitions, the median of the runs stands for the benchmark.
        const std::string name = run.run_name.str();
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            medians_[name] = run.GetAdjustedRealTime();
        else if (run.run_type == Run::RT_Iteration)
            seconds_[name] = run.GetAdjustedRealTime();
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const auto& [name, time] : medians_) seconds_[name] = time;
    std::printf("\n%-52s %12s\n", "ghdb time / direct time", "ratio");
    for (const auto& [name, time] : seconds_) {
        if (name.rfind("ghdb/", 0) != 0) continue;
        const auto twin = seconds_.find("direct/" + name.substr(5));
        if (twin == seconds_.end() || twin->second <= 0) continue;
        std::printf("%-52s %12.2f\n", name.substr(5).c_str(), time / twin->second);
    }
}

}  // namespace ghdb::bench
