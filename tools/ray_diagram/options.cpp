// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/options.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "tools/ray_diagram/text.h"
#include "tools/ray_diagram/input_error.h"

namespace {

std::string quoted(std::string_view text) { return concat("\"", text, "\""); }

// The whole text must be the number; "2.5x" or "" is refused.
template <class Number>
Number parse(std::string_view text, std::string_view option, std::string_view wanted)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        throw InputError(concat(option, " wants ", wanted, ", not ", quoted(text)));
    }
    return value;
}

double coordinate(std::string_view text)
{
    const double value = parse<double>(text, "--at", "two numbers X,Y");
    if (!std::isfinite(value)) throw InputError(concat("--at wants finite numbers, not ", quoted(text)));
    return value;
}

std::vector<std::int32_t> columns(std::string_view text)
{
    std::vector<std::int32_t> list;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        list.push_back(parse<std::int32_t>(text.substr(start, comma - start), "--mark",
                                           "screen columns such as 0,158,315"));
        start = comma + 1;
    }
    return list;
}

}  // namespace

Options parseOptions(std::span<const std::string_view> arguments)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") {
            options.help = true;
            continue;
        }
        if (argument == "--window") {
            options.window = true;
            continue;
        }
        if (!argument.starts_with("--")) {
            if (!options.output.empty()) {
                throw InputError(
                    concat("one output file only, not both ", quoted(options.output), " and ", quoted(argument)));
            }
            options.output = argument;
            continue;
        }
        if (i + 1 == arguments.size()) throw InputError(concat(argument, " wants a value after it"));
        const std::string_view value = arguments[++i];
        if (argument == "--at") {
            const std::size_t comma = value.find(',');
            if (comma == std::string_view::npos) {
                throw InputError(concat("--at wants two numbers X,Y, not ", quoted(value)));
            }
            options.x = coordinate(value.substr(0, comma));
            options.y = coordinate(value.substr(comma + 1));
        } else if (argument == "--heading") {
            options.heading = parse<std::int32_t>(value, "--heading", "a whole number of degrees");
        } else if (argument == "--level") {
            options.level = value;
        } else if (argument == "--pictures") {
            options.pictures = std::string(value);
        } else if (argument == "--mark") {
            options.marks = columns(value);
        } else if (argument == "--zoom") {
            options.zoom = parse<std::int32_t>(value, "--zoom", "1, 2, 4 or 8");
            if (options.zoom != 1 && options.zoom != 2 && options.zoom != 4 && options.zoom != 8) {
                throw InputError(concat("--zoom wants 1, 2, 4 or 8, not ", quoted(value)));
            }
        } else {
            throw InputError(concat("unknown option ", quoted(argument), " (ray_diagram --help lists them)"));
        }
    }
    if (options.output.empty() && !options.help) {
        throw InputError("no output file named (ray_diagram --help shows how)");
    }
    return options;
}
