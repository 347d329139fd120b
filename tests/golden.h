// SPDX-License-Identifier: MIT
#pragma once
// The pictures in tests/golden/, which drawn pictures must match pixel for
// pixel. After a deliberate change to what is drawn, QUENTAVOX_UPDATE_GOLDEN=1
// rewrites each one that differs; the test still fails, naming it, so the
// variable left set by mistake never hides a fault.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "tests/pixels.h"

inline std::filesystem::path goldenPath(const std::string& name)
{
    return std::filesystem::path(QUENTAVOX_SOURCE_DIR) / "tests" / "golden" / name;
}

// How a drawn picture differs from its golden one; empty when it does not.
inline std::string goldenDifference(const DeviceContext& drawn, const DeviceContext& golden)
{
    if (drawn.width != golden.width || drawn.height != golden.height) {
        return "drawn " + std::to_string(drawn.width) + " x " + std::to_string(drawn.height) + ", stored " +
               std::to_string(golden.width) + " x " + std::to_string(golden.height);
    }
    const long differing = differingPixels(drawn, golden);
    return differing == 0 ? "" : std::to_string(differing) + " pixels differ";
}

// Fails the test when there is a `fault`, after `write` has saved the drawn
// picture: over the golden one when asked to rewrite it, otherwise as
// NAME.actual.EXT in the tests' working folder, to look at.
inline void judgeGolden(const std::filesystem::path& golden, const std::string& fault,
                        const std::function<bool(const std::filesystem::path&)>& write)
{
    if (fault.empty()) return;
    const std::string name = golden.filename().string();
    if (std::getenv("QUENTAVOX_UPDATE_GOLDEN")) {
        EXPECT_TRUE(write(golden)) << "cannot write " << golden.string();
        ADD_FAILURE() << name << ": " << fault << "; rewrote " << golden.string() << " as QUENTAVOX_UPDATE_GOLDEN is set";
    } else {
        const std::filesystem::path actual = golden.stem().string() + ".actual" + golden.extension().string();
        write(actual);
        ADD_FAILURE() << name << ": " << fault << "; see " << actual.string();
    }
}
