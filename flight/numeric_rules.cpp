// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/numeric_rules.h"

#include "flight/flight_fault.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace drelk {
namespace {

std::string Describe(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// Round half to even, independent of the floating-point rounding mode. v - floor(v) is
// exact for every double whose integer part fits the targets here.
double RoundHalfEven(double v)
{
    const double below = std::floor(v);
    const double fraction = v - below;
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    const double half = below * 0.5; // exact
    return half == std::floor(half) ? below : below + 1.0;
}

template <typename Int> Int Narrow(double whole, const char* rule, double original)
{
    constexpr double lowest = std::numeric_limits<Int>::min();
    constexpr double highest = std::numeric_limits<Int>::max();
    if (!(whole >= lowest && whole <= highest)) { // also catches NaN
        throw FlightFault(std::string(rule) + "(" + Describe(original) + ") is outside " +
                          std::to_string(std::numeric_limits<Int>::min()) + ".." +
                          std::to_string(std::numeric_limits<Int>::max()));
    }
    return static_cast<Int>(whole);
}

} // namespace

std::int16_t FloorInt16(double v) { return Narrow<std::int16_t>(std::floor(v), "FloorInt16", v); }
std::int16_t ToInt16(double v) { return Narrow<std::int16_t>(RoundHalfEven(v), "ToInt16", v); }
std::int32_t FloorInt32(double v) { return Narrow<std::int32_t>(std::floor(v), "FloorInt32", v); }
std::int32_t ToInt32(double v) { return Narrow<std::int32_t>(RoundHalfEven(v), "ToInt32", v); }

std::int16_t AddInt16(std::int16_t a, int b)
{
    const int sum = a + b;
    if (sum < std::numeric_limits<std::int16_t>::min() ||
        sum > std::numeric_limits<std::int16_t>::max()) {
        throw FlightFault("16-bit heading arithmetic: " + std::to_string(a) +
                          (b < 0 ? " - " : " + ") + std::to_string(b < 0 ? -b : b) +
                          " overflows -32768..32767");
    }
    return static_cast<std::int16_t>(sum);
}

} // namespace drelk
