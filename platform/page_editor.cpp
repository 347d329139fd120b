// SPDX-License-Identifier: MIT
#include "platform/page_editor.h"

#include <emscripten.h>

#include <array>
#include <cstddef>

#include "core/platform.h"

namespace {

// The page hears of a saved picture as an event holding its bytes.
EM_JS(void, tellPageOfSave, (const char* name, const unsigned char* bytes, std::size_t length), {
    const detail = { name: UTF8ToString(name), bytes: HEAPU8.slice(bytes, bytes + length) };
    window.dispatchEvent(new CustomEvent("quentavoxsave", { detail: detail }));
});

// In the order page.js numbers them.
enum class Button { Map, Edit, NewLevel, Save };
constexpr int buttonCount = 4;

// A page that presses faster than the program runs keeps this many presses
// at most; more are dropped, as keys pressed into a full queue are.
std::array<Button, 8> pressed;
std::size_t waiting = 0;

}  // namespace

void pressPageButtons(FormEvents& form)
{
    for (std::size_t i = 0; i < waiting; ++i) {
        switch (pressed[i]) {
        case Button::Map: form.mnuMap_Click(); break;
        case Button::Edit: form.mnuEdit_Click(); break;
        case Button::NewLevel: form.mnuNewLevel_Click(); break;
        case Button::Save: form.mnuSave_Click(); break;
        }
    }
    waiting = 0;
}

void offerDownload(const std::string& fileName, std::span<const unsigned char> bytes)
{
    tellPageOfSave(fileName.c_str(), bytes.data(), bytes.size());
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void quentavoxPressButton(int button)
{
    if (button >= 0 && button < buttonCount && waiting < pressed.size()) pressed[waiting++] = Button(button);
}

}  // extern "C"
