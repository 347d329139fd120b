// SPDX-License-Identifier: MIT
// Measures how late the platform's sleep wakes after the instant it was asked
// for, which sets how early the wait between passes stops sleeping and starts
// watching the clock (the margin in platform/fine_timer.cpp); then measures
// the whole wait with that margin and others.
//
//   sleep_overrun [SAMPLES]       (default 2000 for each length, 1 to 8 ms)
//
// Each sleep is asked to end at the instant the millisecond clock turns to
// a reading 1 to 8 ms ahead, as the wait's sleeps are. Prints the overshoot
// in microseconds at several percentiles and at most. A sleep that stops a
// margin early but overshoots by the margin plus 1 ms ends its pass late:
// the wait returns a whole reading after the one it was asked for. So a
// table follows of how many whole waits with each margin did end late,
// beside what watching that margin costs: margin / 9 ms of a core.
//
// Run it beside the load it should hold under, for instance on two cores:
//   for i in 1 2; do (while :; do :; done) & done; ./build/tools/sleep_overrun 10000
// and with `chrt -f 10` in front for real-time priority.

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/fine_timer.h"
#include "platform/system_clock.h"

namespace {

constexpr double nanosecondsPerMicrosecond = 1000;

void printRow(const char* label, std::vector<double>& microseconds, long count, const char* note = "")
{
    std::sort(microseconds.begin(), microseconds.end());
    const auto at = [&](double share) {
        return microseconds[std::size_t(share * double(microseconds.size() - 1))];
    };
    std::printf("%-7s %7.0f %6.0f %6.0f %7.0f %8.0f %7.0f   %ld of %zu%s\n", label, at(0.5), at(0.9), at(0.99),
                at(0.999), at(0.9999), microseconds.back(), count, microseconds.size(), note);
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
    std::printf("ahead   median    p90    p99   p99.9  p99.99     max   >= margin + 1 ms\n");
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

    // The whole wait as the main loop makes it, with each margin in turn,
    // one wait after another so that all of them meet the same load. The
    // overshoot above does not tell it all: the watching after the sleep may
    // be cut short too, and the longer it lasts, the likelier that is.
    constexpr std::array<std::int64_t, 7> margins{0, 25, 50, 100, 200, 500, 1000};
    std::array<std::vector<double>, margins.size()> returns;
    std::array<long, margins.size()> lateReadings{};
    for (std::int64_t i = 0; i < 8 * std::int64_t(samples); ++i) {
        const std::size_t which = std::size_t(i % std::int64_t(margins.size()));
        const std::int64_t reading = millisecondsSinceBoot() + 1 + i % 8;
        timer.waitForReading(reading, margins[which] * 1000);
        const std::int64_t after = nanosecondsSinceBoot();
        returns[which].push_back(double(after - reading * nanosecondsPerMillisecond) / nanosecondsPerMicrosecond);
        if (after / nanosecondsPerMillisecond > reading) ++lateReadings[which];
    }
    std::printf("\nthe whole wait with each margin, return after the turn-over in us:\n");
    std::printf("margin   median    p90    p99   p99.9  p99.99     max   a reading late\n");
    for (std::size_t which = 0; which < margins.size(); ++which) {
        char label[16];
        std::snprintf(label, sizeof label, "%lld us", static_cast<long long>(margins[which]));
        char note[96];
        std::snprintf(note, sizeof note, ", %.1f in 10,000; watching costs %.1f%% of a core%s",
                      1e4 * double(lateReadings[which]) / double(returns[which].size()),
                      100 * double(margins[which]) / 9000,
                      margins[which] == std::int64_t(margin) ? " (the wait's)" : "");
        printRow(label, returns[which], lateReadings[which], note);
    }
    return 0;
}
