// SPDX-License-Identifier: MIT
#pragma once
// A platform with nothing to show anything on, for running the game without
// a display: a frame is drawn and dropped, the clock stands still, and the
// lines meant for the user are kept.

#include <span>
#include <string>
#include <string_view>

#include "core/platform.h"

class HeadlessPlatform final : public Platform {
public:
    void Show(FormEvents& form) override { form.Form_Resize(); }
    void DoEvents(FormEvents&) override {}
    std::int64_t GetTickCount() override { return 0; }
    void WaitUntilTick(std::int64_t) override {}
    void SetCaption(std::string_view) override {}
    ClientSize ClientArea() const override { return {storedClientWidth, storedClientHeight}; }
    void Present(const Surface&) override {}
    void ReportError(std::string_view) override {}
    void ShowRefusal(std::string_view text, Refusal) override { lines += text; }
    // Nothing is edited without a window, so nothing asks to be saved.
    void ShowPanel(const Surface*, ClientSize) override {}
    SaveAnswer AskToSave(std::string_view) override { return SaveAnswer::Discard; }
    std::string SaveFile(const std::string&, std::span<const unsigned char>) override
    {
        return "nothing is saved without a window";
    }

    std::string lines;
};
