// SPDX-License-Identifier: MIT
#include "tools/ray_diagram/options.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "base/option_reader.h"
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

void readPlace(Options& options, std::string_view value)
{
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos) throw InputError(concat("--at wants two numbers X,Y, not ", quoted(value)));
    options.x = coordinate(value.substr(0, comma));
    options.y = coordinate(value.substr(comma + 1));
}

void readZoom(Options& options, std::string_view value)
{
    options.zoom = parse<std::int32_t>(value, "--zoom", "1, 2, 4 or 8");
    if (options.zoom != 1 && options.zoom != 2 && options.zoom != 4 && options.zoom != 8) {
        throw InputError(concat("--zoom wants 1, 2, 4 or 8, not ", quoted(value)));
    }
}

struct Option : OptionName {
    void (*read)(Options&, std::string_view value);
};

constexpr Option table[] = {
    {{"--help"}, [](Options& options, std::string_view) { options.help = true; }},
    {{"--window"}, [](Options& options, std::string_view) { options.window = true; }},
    {{"--at", true}, readPlace},
    {{"--heading", true},
     [](Options& options, std::string_view value) {
         options.heading = parse<std::int32_t>(value, "--heading", "a whole number of degrees");
     }},
    {{"--level", true}, [](Options& options, std::string_view value) { options.level = value; }},
    {{"--pictures", true}, [](Options& options, std::string_view value) { options.pictures = std::string(value); }},
    {{"--mark", true}, [](Options& options, std::string_view value) { options.marks = columns(value); }},
    {{"--zoom", true}, readZoom},
};

}  // namespace

Options parseOptions(std::span<const std::string_view> arguments)
{
    Options options;
    for (OptionReader reader(arguments); !reader.done();) {
        const ReadArgument argument = reader.read(table);
        if (argument.kind == ReadArgument::Kind::Unknown) {
            throw InputError(concat("unknown option ", quoted(argument.text), " (ray_diagram --help lists them)"));
        }
        if (argument.kind == ReadArgument::Kind::Bare) {
            if (!options.output.empty()) {
                throw InputError(
                    concat("one output file only, not both ", quoted(options.output), " and ", quoted(argument.text)));
            }
            options.output = argument.text;
            continue;
        }
        const Option& option = table[argument.option];
        if (option.takesValue && !argument.value) throw InputError(concat(argument.text, " wants a value after it"));
        option.read(options, argument.value.value_or(""));
    }
    if (options.output.empty() && !options.help) {
        throw InputError("no output file named (ray_diagram --help shows how)");
    }
    return options;
}
