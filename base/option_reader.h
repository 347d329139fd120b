// SPDX-License-Identifier: MIT
#pragma once
// A command line read in order against a program's table of options:
// "--NAME" for an option that takes nothing, "--NAME VALUE" or
// "--NAME=VALUE" for one that takes a value, and bare arguments, which do
// not start with "-". What the options do, and the lines that refuse a wrong
// one, are the program's.

#include <cstddef>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

// A program's table holds these, or entries derived from them that say what
// each option does.
struct OptionName {
    std::string_view name;  // with its dashes: "--scale"
    bool takesValue = false;
};

struct ReadArgument {
    enum class Kind { Option, Bare, Unknown };
    Kind kind = Kind::Bare;
    // For an Option, its place in the table.
    std::size_t option = 0;
    // The argument as given: for "--NAME VALUE" the name.
    std::string_view text;
    // For an option that takes a value, the value; nothing when the option
    // is the last argument. "--NAME VALUE" takes whatever argument follows.
    std::optional<std::string_view> value;
};

class OptionReader {
public:
    explicit OptionReader(std::span<const std::string_view> arguments) : arguments(arguments) {}

    bool done() const { return next == arguments.size(); }

    // The next argument, with the value after it if it is an option that
    // takes one. An argument that starts with "-" and is no option of the
    // table, "--NAME=VALUE" of one that takes nothing among them, is Unknown.
    template <class Table>
    ReadArgument read(const Table& table)
    {
        const std::string_view argument = arguments[next++];
        if (!argument.starts_with('-')) return {ReadArgument::Kind::Bare, 0, argument, std::nullopt};
        for (std::size_t i = 0; i < std::size(table); ++i) {
            const OptionName& option = table[i];
            if (argument == option.name) {
                std::optional<std::string_view> value;
                if (option.takesValue && !done()) value = arguments[next++];
                return {ReadArgument::Kind::Option, i, argument, value};
            }
            if (option.takesValue && argument.starts_with(option.name) &&
                argument.substr(option.name.size()).starts_with('=')) {
                return {ReadArgument::Kind::Option, i, argument, argument.substr(option.name.size() + 1)};
            }
        }
        return {ReadArgument::Kind::Unknown, 0, argument, std::nullopt};
    }

private:
    std::span<const std::string_view> arguments;
    std::size_t next = 0;
};
