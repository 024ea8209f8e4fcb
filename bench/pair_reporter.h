#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>

// The console report, followed by a table of each of our benchmarks beside what it is
// measured against (its baseline, the same work on the file engine, or one frame of 16 ms)
// with the ratio of the two, wall clock and processor time. Medians are used where a
// benchmark repeats. Pairs with a half missing (filtered out, no server) are left out.
class PairReporter : public benchmark::ConsoleReporter {
public:
    PairReporter();
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Times {
        double wallSeconds = 0;
        double cpuSeconds = 0;
        bool median = false;
    };
    std::map<std::string, Times> m_times; // by name and arguments, without the run settings
};
