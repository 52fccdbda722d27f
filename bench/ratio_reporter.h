// Benchmarks are read as ratios against a baseline measured in the same run, so that a slow
// or busy machine does not change the verdict.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace korvane::bench {

// Prints as usual and keeps each benchmark's real time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "ours / baseline = r" when both ran.
    void PrintRatio(const char *ours, const char *baseline) const
    {
        const auto a = times.find(ours), b = times.find(baseline);
        if (a != times.end() && b != times.end() && b->second > 0)
            std::printf("%-24s / %-24s = %.2f\n", ours, baseline, a->second / b->second);
    }

    std::map<std::string, double> times;
};

} // namespace korvane::bench
