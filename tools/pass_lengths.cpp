// SPDX-License-Identifier: MIT
// Runs the program's own main loop in a real window for a while and prints how
// long its passes lasted, as the loop itself counts them, with the frame rates
// of the caption and the processor time the process used. The program itself
// carries no instrumentation: this extends the real platform and watches the
// clock readings that the loop takes.
//
//   pass_lengths [SECONDS]        (default 30; the window closes by itself)
//
// A pass's length is its tick reading (the first reading at least 9 ms after
// the previous pass's lastTick) minus that lastTick. After the events and the
// wait of a pass the loop reads the clock once for the ticks, once for
// lastTick, once for the caption check and, when the caption is written, once
// more for its time stamp; the wrapper finds the two it wants by counting
// back from the next pass's events.
//
// A pass ends late when its wait began before the tick it asked for and the
// tick reading after it is already past that tick: the wait woke a whole
// millisecond after the turn-over. Those are counted apart from passes that
// ran long because drawing and events took 9 ms or more.

#include <sys/resource.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "core/frmMain.h"
#include "platform/sdl_platform.h"

namespace {

// The real platform, with its clock readings and captions watched.
class WatchedPlatform final : public SdlPlatform {
public:
    explicit WatchedPlatform(std::int64_t seconds) : seconds(seconds) {}

    void DoEvents(FormEvents& form) override
    {
        countPass();
        if (!readings.empty() && start == 0) start = readings.back();
        readings.clear();
        captionWritten = false;
        if (start != 0 && SdlPlatform::GetTickCount() - start >= seconds * 1000) {
            std::int16_t cancel = 0;
            std::int16_t mode = 0;
            form.Form_QueryUnload(cancel, mode);
        }
        SdlPlatform::DoEvents(form);
    }
    std::int64_t GetTickCount() override
    {
        readings.push_back(SdlPlatform::GetTickCount());
        if (awaited != 0 && readings.back() > awaited) ++late;
        awaited = 0;
        return readings.back();
    }
    void WaitUntilTick(std::int64_t tick) override
    {
        awaited = SdlPlatform::GetTickCount() < tick ? tick : 0;
        if (awaited != 0) ++waits;
        SdlPlatform::WaitUntilTick(tick);
    }
    void SetCaption(std::string_view caption) override
    {
        captionWritten = true;
        captions.emplace_back(caption);
        SdlPlatform::SetCaption(caption);
    }

    std::map<std::int64_t, std::int64_t> lengths;
    std::vector<std::string> captions;
    std::int64_t waits = 0;  // that began before their tick
    std::int64_t late = 0;   // of those, that returned past it

private:
    void countPass()
    {
        // Before the first pass's events there is only the first lastTick.
        const std::size_t fromEnd = captionWritten ? 3 : 2;
        if (readings.size() == 1 && previousLastTick < 0) {
            previousLastTick = readings.back();
            return;
        }
        if (readings.size() < fromEnd + 1) return;
        const std::int64_t tickReading = readings[readings.size() - fromEnd - 1];
        ++lengths[tickReading - previousLastTick];
        previousLastTick = readings[readings.size() - fromEnd];
    }

    std::int64_t seconds;
    std::int64_t start = 0;
    std::int64_t previousLastTick = -1;
    std::vector<std::int64_t> readings;
    std::int64_t awaited = 0;
    bool captionWritten = false;
};

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    std::int64_t seconds = 30;
    if (argc > 1) std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), seconds);
    try {
        WatchedPlatform watched(seconds);
        frmMain form(watched);
        const double cpuBefore = processorSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        try {
            form.Form_Load();
        } catch (const ProgramEnd&) {
        }
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        const double cpu = processorSeconds() - cpuBefore;

        std::int64_t passes = 0;
        for (const auto& [length, count] : watched.lengths) passes += count;
        std::printf("%lld passes in %.1f s, processor %.1f%% of a core\n", static_cast<long long>(passes), wall,
                    100 * cpu / wall);
        for (const auto& [length, count] : watched.lengths) {
            std::printf("%4lld ms %8lld  %6.2f%%\n", static_cast<long long>(length), static_cast<long long>(count),
                        100.0 * double(count) / double(passes));
        }
        std::printf("%lld of %lld waits ended late\n", static_cast<long long>(watched.late),
                    static_cast<long long>(watched.waits));
        std::printf("captions:");
        for (const std::string& caption : watched.captions) std::printf(" %s", caption.substr(caption.rfind(' ') + 1).c_str());
        std::printf("\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pass_lengths: %s\n", error.what());
        return 1;
    }
    return 0;
}
