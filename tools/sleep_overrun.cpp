// SPDX-License-Identifier: MIT
// Measures how late a sleep of whole milliseconds wakes up, which sets how
// early the main loop's wait stops sleeping and starts watching the clock.
// Sleeps with SDL_Delay, as the program does, and times each sleep with the
// high-resolution counter.
//
//   sleep_overrun [SAMPLES]       (default 2000 for each length, 1 to 8 ms)
//
// Prints, for each requested length, the overrun in microseconds at several
// percentiles and at most, and how many sleeps overran by 1 ms or more.

#include <SDL.h>

#ifdef _WIN32
#include <windows.h>
#include <timeapi.h>
#endif

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    int samples = 2000;
    if (argc > 1) std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), samples);
    samples = std::max(samples, 1);
#ifdef _WIN32
    // As the program does for as long as it runs.
    timeBeginPeriod(1);
#endif
    const double countsPerMicrosecond = double(SDL_GetPerformanceFrequency()) / 1e6;
    std::printf("sleep   overrun in microseconds: median   p90   p99  p99.9    max   >= 1 ms\n");
    std::vector<double> all;
    for (Uint32 requested = 1; requested <= 8; ++requested) {
        std::vector<double> overruns;
        for (int i = 0; i < samples; ++i) {
            const Uint64 before = SDL_GetPerformanceCounter();
            SDL_Delay(requested);
            const double slept = double(SDL_GetPerformanceCounter() - before) / countsPerMicrosecond;
            overruns.push_back(slept - 1000.0 * requested);
        }
        all.insert(all.end(), overruns.begin(), overruns.end());
        std::sort(overruns.begin(), overruns.end());
        const auto at = [&](double share) { return overruns[std::size_t(share * double(overruns.size() - 1))]; };
        const auto late = std::count_if(overruns.begin(), overruns.end(), [](double us) { return us >= 1000; });
        std::printf("%2u ms %33.0f %5.0f %5.0f %6.0f %6.0f   %ld of %d\n", requested, at(0.5), at(0.9), at(0.99),
                    at(0.999), overruns.back(), static_cast<long>(late), samples);
    }
    std::sort(all.begin(), all.end());
    const auto late = std::count_if(all.begin(), all.end(), [](double us) { return us >= 1000; });
    std::printf("all   %33.0f %5.0f %5.0f %6.0f %6.0f   %ld of %zu\n", all[all.size() / 2],
                all[std::size_t(0.9 * double(all.size() - 1))], all[std::size_t(0.99 * double(all.size() - 1))],
                all[std::size_t(0.999 * double(all.size() - 1))], all.back(), static_cast<long>(late), all.size());
#ifdef _WIN32
    timeEndPeriod(1);
#endif
    return 0;
}
