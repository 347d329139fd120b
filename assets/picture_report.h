// SPDX-License-Identifier: MIT
#pragma once
// What a check found in one picture file, as the lines the level check
// prints and the program shows: "NAME: error: MESSAGE" or "NAME: warning:
// MESSAGE", one a finding, then "NAME: 2 errors, 0 warnings".

#include <cstddef>
#include <string>
#include <string_view>

struct BrokenRule;

class PictureReport {
public:
    explicit PictureReport(std::string_view name) : name(name) {}

    void add(bool isError, std::string_view message);
    // The first few pixels of the rule by name, the rest as a count.
    void add(const BrokenRule& rule);

    std::size_t errors() const { return errorCount; }
    // Every line so far, the count last, each ending in a newline.
    std::string lines() const;

private:
    std::string name;
    std::string findings;
    std::size_t errorCount = 0;
    std::size_t warningCount = 0;
};
