// SPDX-License-Identifier: MIT
#include "assets/picture_report.h"

#include <algorithm>

#include "assets/level_rules.h"
#include "base/concat.h"

namespace {

// Of the pixels that break one rule, this many are named; the rest are
// counted, so a picture painted all wrong still fits on a screen.
constexpr std::size_t shownPerRule = 5;

std::string counted(std::size_t count, std::string_view noun)
{
    return concat(std::to_string(count), " ", noun, count == 1 ? "" : "s");
}

}  // namespace

void PictureReport::add(bool isError, std::string_view message)
{
    findings += concat(name, isError ? ": error: " : ": warning: ", message, "\n");
    ++(isError ? errorCount : warningCount);
}

void PictureReport::add(const BrokenRule& rule)
{
    const std::size_t shown = std::min(rule.pixels.size(), shownPerRule);
    for (std::size_t i = 0; i < shown; ++i) add(rule.isError, rule.pixels[i]);
    if (rule.pixels.size() > shown) {
        const std::size_t rest = rule.pixels.size() - shown;
        findings += concat(name, rule.isError ? ": error: " : ": warning: ", "and ", counted(rest, "more pixel"),
                           " like this\n");
        (rule.isError ? errorCount : warningCount) += rest;
    }
}

std::string PictureReport::lines() const
{
    return concat(findings, name, ": ", counted(errorCount, "error"), ", ", counted(warningCount, "warning"), "\n");
}
