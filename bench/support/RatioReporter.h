#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace ghdb::bench {

// Prints each run as the console does, then, for every benchmark named "ghdb/<case>" that has
// a twin "direct/<case>", the ratio of their times (of their medians, with repetitions).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, double> medians_;
};

}  // namespace ghdb::bench
