// SPDX-License-Identifier: MIT
// Measures how late the platform's sleep wakes after the instant it was asked
// for, which sets how early the wait between passes stops sleeping and starts
// watching the clock (the margin in platform/fine_timer.cpp); then measures
// the whole wait with that margin.
//
//   sleep_overrun [SAMPLES]       (default 2000 for each length, 1 to 8 ms)
//
// Each sleep is asked to end at the instant the millisecond clock turns to
// a reading 1 to 8 ms ahead, as the wait's sleeps are. Prints the overshoot
// in microseconds at several percentiles and at most. A sleep that stops a
// margin early but overshoots by the margin plus 1 ms ends its pass late:
// the wait returns a whole reading after the one it was asked for. So a
// table follows of how many passes each margin would leave late, beside
// what watching that margin costs: margin / 9 ms of a core.
//
// Run it beside the load it should hold under, for instance on two cores:
//   for i in 1 2; do (while :; do :; done) & done; ./build/tools/sleep_overrun 10000
// and with `chrt -f 10` in front for real-time priority.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/fine_timer.h"
#include "platform/system_clock.h"

namespace {

constexpr double nanosecondsPerMicrosecond = 1000;

void printRow(const char* label, std::vector<double>& microseconds, long count)
{
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double share) {
        return microseconds[std::size_t(share * double(microseconds.size() - 1))];
    };
    std::printf("%-6s %7.0f %6.0f %6.0f %7.0f %8.0f %7.0f   %ld of %zu\n", label, at(0.5), at(0.9), at(0.99),
                at(0.999), at(0.9999), microseconds.back(), count, microseconds.size());
}

}  // namespace

int main(int argc, char** argv)
{
    int samples = 2000;
    if (argc > 1) std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), samples);
    samples = std::max(samples, 1);
    FineTimer timer;
    const double margin = double(timer.margin()) / nanosecondsPerMicrosecond;
    std::printf("%.*s, margin %.0f us\n\n", int(timer.kind().size()), timer.kind().data(), margin);

    std::printf("sleep to a turn-over, overshoot in us:\n");
    std::printf("ahead  median    p90    p99   p99.9  p99.99     max   >= margin + 1 ms\n");
    std::vector<double> all;
    for (std::int64_t ahead = 1; ahead <= 8; ++ahead) {
        std::vector<double> overshoots;
        for (int i = 0; i < samples; ++i) {
            const std::int64_t turnOver = (millisecondsSinceBoot() + ahead) * nanosecondsPerMillisecond;
            timer.sleepUntil(turnOver);
            overshoots.push_back(double(nanosecondsSinceBoot() - turnOver) / nanosecondsPerMicrosecond);
        }
        all.insert(all.end(), overshoots.begin(), overshoots.end());
        const long late = long(std::count_if(overshoots.begin(), overshoots.end(),
                                             [&](double us) { return us >= margin + 1000; }));
        char label[8];
        std::snprintf(label, sizeof label, "%lld ms", static_cast<long long>(ahead));
        printRow(label, overshoots, late);
    }
    const long late = long(std::count_if(all.begin(), all.end(), [&](double us) { return us >= margin + 1000; }));
    printRow("all", all, late);

    std::printf("\nmargin us  passes late   per 10,000   watching costs\n");
    for (const double candidate : {0, 50, 100, 200, 500, 1000, 2000, 5000}) {
        const auto lateWith = std::count_if(all.begin(), all.end(), [&](double us) { return us >= candidate + 1000; });
        std::printf("%9.0f %13ld %12.1f %13.1f%% of a core\n", candidate, static_cast<long>(lateWith),
                    1e4 * double(lateWith) / double(all.size()), 100 * candidate / 9000);
    }

    // The wait as the main loop makes it, once for each length again.
    std::printf("\nthe whole wait, return after the turn-over in us:\n");
    std::printf("       median    p90    p99   p99.9  p99.99     max   a reading late\n");
    std::vector<double> returns;
    long lateReadings = 0;
    for (std::int64_t ahead = 1; ahead <= 8; ++ahead) {
        for (int i = 0; i < samples; ++i) {
            const std::int64_t reading = millisecondsSinceBoot() + ahead;
            timer.waitForReading(reading);
            const std::int64_t after = nanosecondsSinceBoot();
            returns.push_back(double(after - reading * nanosecondsPerMillisecond) / nanosecondsPerMicrosecond);
            if (after / nanosecondsPerMillisecond > reading) ++lateReadings;
        }
    }
    printRow("all", returns, lateReadings);
    return 0;
}
