// SPDX-License-Identifier: MIT
#pragma once
// Checked arithmetic for the whole program. Every narrowing conversion, every
// index into a fixed table and every floating-point step whose result could be
// infinite or undefined goes through here, so that a bad value becomes a
// RuntimeError naming the value instead of undefined behaviour.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "base/runtime_error.h"

namespace checked {

[[noreturn, gnu::noinline, gnu::cold]] inline void overflow(const char* what, double value, const char* type)
{
    throw RuntimeError("Overflow: " + std::string(what) + " = " + std::to_string(value) +
                       " does not fit in " + type);
}

// A floating-point step that went to infinity or NaN is the processor's
// overflow, division-by-zero or invalid-operation fault.
inline double finite(double value, const char* what)
{
    if (!std::isfinite(value)) {
        throw RuntimeError("Floating-point fault: " + std::string(what) + " = " +
                           std::to_string(value));
    }
    return value;
}

// Rounded to the nearest 32-bit float, as when a value is stored in a float field.
inline float toSingle(double value, const char* what)
{
    const float single = static_cast<float>(finite(value, what));
    if (!std::isfinite(single)) overflow(what, value, "a 32-bit float");
    return single;
}

// Whole-number conversions round to the nearest, ties to even (the default
// rounding mode, which std::nearbyint follows), and fail when out of range.
template <class Int>
Int toWhole(double value, const char* what, const char* type)
{
    const double rounded = std::nearbyint(finite(value, what));
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        overflow(what, value, type);
    }
    return static_cast<Int>(rounded);
}

inline std::int16_t toInt16(double value, const char* what)
{
    return toWhole<std::int16_t>(value, what, "16 bits");
}

inline std::int32_t toInt32(double value, const char* what)
{
    return toWhole<std::int32_t>(value, what, "32 bits");
}

// Floor toward minus infinity into a whole number that indexes or counts.
inline std::int64_t floorToInt(double value, const char* what)
{
    const double floored = std::floor(finite(value, what));
    if (floored < -9.0e18 || floored > 9.0e18) overflow(what, value, "64 bits");
    return static_cast<std::int64_t>(floored);
}

inline std::int16_t add16(std::int16_t a, std::int16_t b, const char* what)
{
    std::int16_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) overflow(what, double(a) + double(b), "16 bits");
    return sum;
}

inline std::int32_t add32(std::int32_t a, std::int32_t b, const char* what)
{
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) overflow(what, double(a) + double(b), "32 bits");
    return sum;
}

[[noreturn, gnu::noinline, gnu::cold]] inline void outOfRange(const char* what, std::int64_t value,
                                                           std::size_t size)
{
    throw RuntimeError("Subscript out of range: " + std::string(what) + " = " +
                       std::to_string(value) + " (valid 0.." + std::to_string(size - 1) + ")");
}

// An index is compared as an unsigned number against the table's size, so a
// negative index fails as well as one past the end.
inline std::size_t index(std::int64_t value, std::size_t size, const char* what)
{
    if (static_cast<std::uint64_t>(value) >= size) outOfRange(what, value, size);
    return static_cast<std::size_t>(value);
}

}  // namespace checked
