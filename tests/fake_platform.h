// SPDX-License-Identifier: MIT
#pragma once
// A scripted platform for tests: the clock moves only when the script says
// so, and each DoEvents delivers the next pass's list of events. When the
// script runs out, the window is asked to close, so every run ends.

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "core/platform.h"
#include "core/stored_window.h"
#include "gfx/surface.h"

class FakePlatform final : public Platform {
public:
    struct Event {
        enum Kind { KeyDown, KeyUp, Close, Advance, MouseTurn, MouseDown, MouseMove, MouseUp, PanelKey } kind;
        // The key code, the milliseconds to advance, the mouse's counts to
        // the right in the view, or the mouse buttons on the map.
        int value = 0;
        int shift = 0;
        float x = 0;    // the mouse on the map, in form pixels
        float y = 0;
    };
    static Event keyDown(int code) { return {Event::KeyDown, code}; }
    static Event keyUp(int code) { return {Event::KeyUp, code}; }
    static Event close() { return {Event::Close}; }
    static Event advance(int ms) { return {Event::Advance, ms}; }
    static Event mouseMove(int counts) { return {Event::MouseTurn, counts}; }
    static Event mouse(Event::Kind kind, int buttons, float x, float y, int shift = 0)
    {
        return {kind, buttons, shift, x, y};
    }
    static Event panelKey(int code, int shift = 0) { return {Event::PanelKey, code, shift}; }

    // One list of events for each call of DoEvents, in order.
    std::deque<std::vector<Event>> script;
    std::int64_t now = 1'000'000;  // a machine that has been up for a while
    std::int64_t advancePerRead = 0;
    ClientSize client{storedClientWidth, storedClientHeight};

    // A wait that has to move the clock leaves it this much past the tick
    // asked for, as a late wake-up would.
    std::int64_t wakeLate = 0;

    std::vector<std::string> captions;
    std::vector<std::int64_t> waitedFor;  // each tick a wait asked for
    std::vector<std::int64_t> presentedAt;  // clock reading at each Refresh
    int shows = 0;

    void Show(FormEvents& form) override
    {
        ++shows;
        form.Form_Resize();
    }

    void DoEvents(FormEvents& form) override
    {
        if (script.empty()) {
            deliver(close(), form);
            return;
        }
        const std::vector<Event> events = script.front();
        script.pop_front();
        for (const Event& event : events) deliver(event, form);
    }

    std::int64_t GetTickCount() override
    {
        const std::int64_t reading = now;
        now += advancePerRead;
        // A wait on a clock that the script never moves would spin forever.
        if (advancePerRead == 0 && ++idleReads > 1'000'000) {
            throw std::logic_error("the scripted clock never advances");
        }
        return reading;
    }

    void WaitUntilTick(std::int64_t tick) override
    {
        waitedFor.push_back(tick);
        if (now < tick) now = tick + wakeLate;
        idleReads = 0;
    }
    void SetCaption(std::string_view caption) override { captions.emplace_back(caption); }
    ClientSize ClientArea() const override { return client; }
    void Present(const Surface&) override { presentedAt.push_back(now); }
    // A test sees the error itself, as the exception that leaves Form_Load.
    void ReportError(std::string_view) override {}
    struct Shown {
        std::string lines;
        Refusal how;
    };
    std::vector<Shown> refusals;
    void ShowRefusal(std::string_view lines, Refusal how) override { refusals.push_back({std::string(lines), how}); }
    // A window takes the size it is asked for at once.
    const Surface* panel = nullptr;
    void ShowPanel(const Surface* shown, ClientSize wanted) override
    {
        panel = shown;
        client = wanted;
    }
    std::string SaveFile(const std::string& fileName, std::span<const unsigned char> bytes) override
    {
        return replaceFileWith(fileName, bytes);
    }
    std::vector<std::string> questions;
    SaveAnswer answer = SaveAnswer::Cancel;
    SaveAnswer AskToSave(std::string_view question) override
    {
        questions.emplace_back(question);
        return answer;
    }

private:
    void deliver(const Event& event, FormEvents& form)
    {
        std::int16_t code = static_cast<std::int16_t>(event.value);
        std::int16_t shift = static_cast<std::int16_t>(event.shift);
        switch (event.kind) {
        case Event::KeyDown: form.picRender_KeyDown(code, shift); break;
        case Event::KeyUp: form.picRender_KeyUp(code, shift); break;
        case Event::Close: {
            std::int16_t cancel = 0;
            std::int16_t mode = 0;
            form.Form_QueryUnload(cancel, mode);
            break;
        }
        case Event::Advance:
            now += event.value;
            idleReads = 0;
            break;
        case Event::MouseTurn: form.picRender_MouseMove(code, shift, float(event.value), 0); break;
        case Event::MouseDown: form.picMap_MouseDown(code, shift, event.x, event.y); break;
        case Event::MouseMove: form.picMap_MouseMove(code, shift, event.x, event.y); break;
        case Event::MouseUp: form.picMap_MouseUp(code, shift, event.x, event.y); break;
        case Event::PanelKey: form.picMap_KeyDown(code, shift); break;
        }
    }

    int idleReads = 0;
};
