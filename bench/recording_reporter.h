// SPDX-License-Identifier: MIT
#pragma once
// Passes everything to the console and keeps the CPU time and the counters of
// every repetition: on a machine shared with other work the CPU time is the
// steadier figure, and the median of several repetitions steadier still.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

// The middle value; 0 for none.
inline double medianOf(std::vector<double> values)
{
    if (values.empty()) return 0;
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const std::string name = run.run_name.function_name;
                cpuTimes[name].push_back(run.GetAdjustedCPUTime());
                for (const auto& [key, counter] : run.counters) counters[name + "#" + key].push_back(counter.value);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Microseconds, the median of the repetitions; 0 for one that did not run.
    double median(const std::string& name) const { return medianOf(times(name)); }

    // Each repetition's microseconds, in the order they ran.
    std::vector<double> times(const std::string& name) const { return recorded(cpuTimes, name); }

    // The value each repetition gave the counter `key`, in the same order.
    std::vector<double> counter(const std::string& name, const std::string& key) const
    {
        return recorded(counters, name + "#" + key);
    }

    // Each repetition's microseconds over the value it gave the counter
    // `key`, for the repetitions where that is above 0.
    std::vector<double> ratios(const std::string& name, const std::string& key) const
    {
        const std::vector<double> measured = times(name);
        const std::vector<double> baseline = counter(name, key);
        std::vector<double> result;
        for (std::size_t i = 0; i < measured.size() && i < baseline.size(); ++i) {
            if (baseline[i] > 0) result.push_back(measured[i] / baseline[i]);
        }
        return result;
    }

private:
    using Recorded = std::map<std::string, std::vector<double>>;

    static std::vector<double> recorded(const Recorded& from, const std::string& name)
    {
        const auto found = from.find(name);
        return found == from.end() ? std::vector<double>{} : found->second;
    }

    Recorded cpuTimes;
    Recorded counters;
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
