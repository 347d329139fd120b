// SPDX-License-Identifier: MIT
// Keys and game controllers as the held-key table sees them: presets and
// bindings, the stick's dead zone and hysteresis, and one code held by
// several keys and pads at once, until each lets go or is unplugged.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "input/controls.h"

namespace {

// +38 for a key-down of code 38, -38 for its key-up.
using Events = std::vector<int>;

class RecordedKeys final : public KeyEvents {
public:
    Events events;

    void keyDown(vk::Code code) override { events.push_back(code); }
    void keyUp(vk::Code code) override { events.push_back(-code); }
    Events take() { return std::exchange(events, {}); }
};

std::vector<vk::Code> heldBy(const KeyBindings& keys, vk::Code key)
{
    std::vector<vk::Code> codes;
    const KeyCodes held = keys.codesHeldBy(key);
    for (std::size_t code = 0; code < held.size(); ++code) {
        if (held[code]) codes.push_back(static_cast<vk::Code>(code));
    }
    return codes;
}

}  // namespace

TEST(Controls, PresetsAndBindingsChooseTheKeysOfEachAction)
{
    using Codes = std::vector<vk::Code>;
    // The arrows preset is every key as itself, as without bindings.
    const KeyBindings arrows = KeyBindings::arrows();
    for (const vk::Code key : {vk::upArrow, vk::comma, vk::Code{'W'}, vk::space}) EXPECT_EQ(heldBy(arrows, key), Codes{key});

    const KeyBindings wasd = KeyBindings::wasd();
    EXPECT_EQ(heldBy(wasd, 'W'), Codes{vk::upArrow});
    EXPECT_EQ(heldBy(wasd, 'A'), Codes{vk::leftArrow});
    EXPECT_EQ(heldBy(wasd, 'E'), Codes{vk::fullStop});
    EXPECT_EQ(heldBy(wasd, vk::upArrow), Codes{vk::upArrow});
    EXPECT_EQ(heldBy(wasd, vk::comma), Codes{vk::comma});
    EXPECT_EQ(heldBy(wasd, 'X'), Codes{'X'});

    // A bound key takes the action's place: Up no longer walks, nor is it
    // recorded under the code that walks. One key may serve two actions.
    KeyBindings bound = KeyBindings::arrows();
    bound.bind(PlayerAction::forward, 'F');
    bound.add(PlayerAction::forward, vk::space);
    bound.bind(PlayerAction::turnLeft, 'F');
    EXPECT_EQ(heldBy(bound, 'F'), (Codes{vk::leftArrow, vk::upArrow}));
    EXPECT_EQ(heldBy(bound, vk::space), Codes{vk::upArrow});
    EXPECT_EQ(heldBy(bound, vk::upArrow), Codes{});
    EXPECT_EQ(heldBy(bound, vk::leftArrow), Codes{});
    EXPECT_EQ(heldBy(bound, vk::downArrow), Codes{vk::downArrow});
}

TEST(Controls, ACodeIsHeldWhileAnyKeyOrPadHoldsIt)
{
    RecordedKeys out;
    Controls controls(KeyBindings::wasd());
    controls.keyDown('W', out);
    controls.keyDown('W', out);  // auto-repeat
    controls.keyDown(vk::upArrow, out);
    controls.padButton(7, PadButton::dpadUp, true, out);
    controls.padAxis(7, PadAxis::leftY, -32768, out);
    controls.padButton(8, PadButton::dpadUp, true, out);
    EXPECT_EQ(out.take(), Events{+38});
    controls.keyUp('W', out);
    controls.keyUp(vk::upArrow, out);
    controls.padButton(7, PadButton::dpadUp, false, out);
    // An unplugged pad lets go of what it held, once; one never heard of
    // held nothing.
    controls.padRemoved(7, out);
    controls.padRemoved(7, out);
    controls.padRemoved(3, out);
    EXPECT_EQ(out.take(), Events{});
    controls.padRemoved(8, out);
    EXPECT_EQ(out.take(), Events{-38});
    controls.keyUp('W', out);  // a second release
    EXPECT_EQ(out.take(), Events{});
    controls.keyDown('W', out);
    controls.keyUp('W', out);
    EXPECT_EQ(out.take(), (Events{+38, -38}));

    // Losing the focus lets go of the keyboard's keys, not a pad's.
    controls.keyDown('S', out);
    controls.keyDown('Q', out);
    controls.padButton(7, PadButton::leftShoulder, true, out);
    EXPECT_EQ(out.take(), (Events{+40, +188}));
    controls.releaseKeys(out);
    EXPECT_EQ(out.take(), Events{-40});
    controls.keyUp('S', out);
    EXPECT_EQ(out.take(), Events{});
}

TEST(Controls, AStickHoldsPastHalfWayAndLetsGoWithinAQuarter)
{
    RecordedKeys out;
    Controls controls;
    // Drift inside the dead zone holds nothing, on either axis or side.
    for (const std::int16_t drift : {-16383, 16383, 9000, -9000}) {
        controls.padAxis(1, PadAxis::leftX, drift, out);
        controls.padAxis(1, PadAxis::leftY, drift, out);
    }
    EXPECT_EQ(out.take(), Events{});
    controls.padAxis(1, PadAxis::leftX, 16384, out);
    controls.padAxis(1, PadAxis::leftX, 8192, out);  // still held: not yet within a quarter
    EXPECT_EQ(out.take(), Events{+39});
    controls.padAxis(1, PadAxis::leftX, 8191, out);
    controls.padAxis(1, PadAxis::leftX, 16383, out);  // back past a quarter, not half way
    EXPECT_EQ(out.take(), Events{-39});
    // Straight across: the one side lets go, the other holds.
    controls.padAxis(1, PadAxis::leftX, 32767, out);
    controls.padAxis(1, PadAxis::leftX, -32768, out);
    controls.padAxis(1, PadAxis::leftY, -20000, out);
    controls.padAxis(1, PadAxis::leftY, -8192, out);
    controls.padAxis(1, PadAxis::leftY, 32767, out);
    EXPECT_EQ(out.take(), (Events{+39, +37, -39, +38, -38, +40}));
}
