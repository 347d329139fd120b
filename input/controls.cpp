// SPDX-License-Identifier: MIT
#include "input/controls.h"

#include <algorithm>

#include "base/checked.h"

namespace {

std::size_t keyIndex(vk::Code key) { return checked::index(key, vk::codeCount, "key code"); }

}  // namespace

void Controls::change(const KeyCodes& before, const KeyCodes& now, KeyEvents& out)
{
    for (std::size_t code = 0; code < vk::codeCount; ++code) {
        if (before[code] == now[code]) continue;
        const auto key = static_cast<vk::Code>(code);
        if (now[code]) {
            if (holders[code]++ == 0) out.keyDown(key);
        } else {
            if (--holders[code] == 0) out.keyUp(key);
        }
    }
}

void Controls::keyDown(vk::Code key, KeyEvents& out)
{
    if (keysDown[keyIndex(key)]) return;
    keysDown.set(keyIndex(key));
    change({}, keys.codesHeldBy(key), out);
}

void Controls::keyUp(vk::Code key, KeyEvents& out)
{
    if (!keysDown[keyIndex(key)]) return;
    keysDown.reset(keyIndex(key));
    change(keys.codesHeldBy(key), {}, out);
}

void Controls::releaseKeys(KeyEvents& out)
{
    for (std::size_t code = 0; code < vk::codeCount; ++code) {
        if (keysDown[code]) keyUp(static_cast<vk::Code>(code), out);
    }
}

auto Controls::find(PadId pad) -> std::vector<std::pair<PadId, PadReading>>::iterator
{
    return std::find_if(pads.begin(), pads.end(), [&](const auto& each) { return each.first == pad; });
}

PadReading& Controls::reading(PadId pad)
{
    const auto found = find(pad);
    return found != pads.end() ? found->second : pads.emplace_back(pad, PadReading{}).second;
}

void Controls::padButton(PadId pad, PadButton button, bool down, KeyEvents& out)
{
    PadReading& padReading = reading(pad);
    const Actions before = padReading.held();
    padReading.press(button, down);
    change(codesOf(before), codesOf(padReading.held()), out);
}

void Controls::padAxis(PadId pad, PadAxis axis, std::int16_t value, KeyEvents& out)
{
    PadReading& padReading = reading(pad);
    const Actions before = padReading.held();
    padReading.move(axis, value);
    change(codesOf(before), codesOf(padReading.held()), out);
}

void Controls::padRemoved(PadId pad, KeyEvents& out)
{
    const auto found = find(pad);
    if (found == pads.end()) return;
    const Actions held = found->second.held();
    pads.erase(found);
    change(codesOf(held), {}, out);
}
