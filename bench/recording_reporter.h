// SPDX-License-Identifier: MIT
#pragma once
// Passes everything to the console and keeps the CPU time of every
// repetition: on a machine shared with other work the CPU time is the
// steadier figure, and the median of several repetitions steadier still.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                cpuTimes[run.run_name.function_name].push_back(run.GetAdjustedCPUTime());
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Microseconds, the median of the repetitions; 0 for one that did not run.
    double median(const std::string& name) const
    {
        const auto found = cpuTimes.find(name);
        if (found == cpuTimes.end()) return 0;
        std::vector<double> times = found->second;
        const auto middle = times.begin() + std::ptrdiff_t(times.size() / 2);
        std::nth_element(times.begin(), middle, times.end());
        return *middle;
    }

private:
    std::map<std::string, std::vector<double>> cpuTimes;
};

// Runs the registered benchmarks with the command line's options, then hands
// the recorded times to `summary`, which prints what they mean.
inline int runBenchmarks(int argc, char** argv, const std::function<void(const RecordingReporter&)>& summary)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    summary(reporter);
    return 0;
}
