// SPDX-License-Identifier: MIT
// Runs the program's own main loop in a real window for a while and prints how
// long its passes lasted, as the loop itself counts them, with the frame rates
// of the caption and the processor time the process used. The program itself
// carries no instrumentation: this wraps the real platform and watches the
// clock readings that the loop takes.
//
//   pass_lengths [SECONDS]        (default 30; the window closes by itself)
//
// A pass's length is its tick reading (the first reading at least 9 ms after
// the previous pass's lastTick) minus that lastTick. After the events of a
// pass the loop reads the clock until the wait ends, then once for the ticks,
// once for lastTick, once for the caption check and, when the caption is
// written, once more for its time stamp; the wrapper finds the two it wants
// by counting back from the next pass's events.

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

class WatchedPlatform final : public Platform {
public:
    WatchedPlatform(Platform& real, std::int64_t seconds) : real(real), seconds(seconds) {}

    void Show(FormEvents& form) override { real.Show(form); }
    void DoEvents(FormEvents& form) override
    {
        countPass();
        if (!readings.empty() && start == 0) start = readings.back();
        readings.clear();
        captionWritten = false;
        if (start != 0 && real.GetTickCount() - start >= seconds * 1000) {
            std::int16_t cancel = 0;
            std::int16_t mode = 0;
            form.Form_QueryUnload(cancel, mode);
        }
        real.DoEvents(form);
    }
    std::int64_t GetTickCount() override
    {
        readings.push_back(real.GetTickCount());
        return readings.back();
    }
    void Sleep(std::int64_t milliseconds) override { real.Sleep(milliseconds); }
    void SetCaption(std::string_view caption) override
    {
        captionWritten = true;
        captions.emplace_back(caption);
        real.SetCaption(caption);
    }
    ClientSize ClientArea() const override { return real.ClientArea(); }
    void Present(const Surface& picture) override { real.Present(picture); }
    void ReportError(std::string_view message) override { real.ReportError(message); }
    void ShowRefusal(std::string_view lines, Refusal shown) override { real.ShowRefusal(lines, shown); }

    std::map<std::int64_t, std::int64_t> lengths;
    std::vector<std::string> captions;

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

    Platform& real;
    std::int64_t seconds;
    std::int64_t start = 0;
    std::int64_t previousLastTick = -1;
    std::vector<std::int64_t> readings;
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
        SdlPlatform real;
        WatchedPlatform watched(real, seconds);
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
        std::printf("captions:");
        for (const std::string& caption : watched.captions) std::printf(" %s", caption.substr(caption.rfind(' ') + 1).c_str());
        std::printf("\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pass_lengths: %s\n", error.what());
        return 1;
    }
    return 0;
}
