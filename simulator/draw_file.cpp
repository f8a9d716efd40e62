// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/draw_file.h"

#include "flight/rescatter.h"
#include "flight/scatter.h"
#include "simulator/bad_input.h"
#include "simulator/printable_text.h"
#include "simulator/user_text.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>

namespace drelk::sim {
namespace {

[[noreturn]] void Reject(std::string_view source, std::uint64_t line_number, const std::string& why)
{
    throw BadInput(Printable(source) + ":" + std::to_string(line_number) + ": " + why);
}

// How many times a flight of `ticks` ticks begins again, every `rescatter_seconds`.
std::uint64_t Rescatters(std::uint64_t ticks, std::uint64_t rescatter_seconds)
{
    return rescatter_seconds == 0 ? 0 : ticks / (rescatter_seconds * kTicksPerSecond);
}

// The draws of a flight of `ticks` ticks with `rescatters` scatters in place of ticks, counted
// in full even past the largest 64-bit count: a tick takes one, a scatter kScatterDraws.
std::string DrawsTaken(std::uint64_t ticks, std::uint64_t rescatters)
{
    __extension__ using Wide = unsigned __int128;
    Wide draws = kScatterDraws + Wide{ticks} + Wide{rescatters} * (kScatterDraws - 1);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(draws % 10)));
        draws /= 10;
    } while (draws != 0);
    return digits;
}

} // namespace

float ParseDraw(std::string_view text, std::string_view source, std::uint64_t line_number)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        Reject(source, line_number,
               Translated("DrawFile", "an empty line where a draw was expected"));
    }
    const auto last = text.find_last_not_of(" \t\r");
    const std::string_view number = text.substr(first, last - first + 1);
    float value = 0.0f;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error == std::errc::invalid_argument || stop != end) {
        Reject(source, line_number,
               Filled(Translated("DrawFile", "%1 is not a decimal number"), {Quoted(number)}));
    }
    if (error == std::errc::result_out_of_range || !(value >= 0.0f && value < 1.0f)) {
        Reject(source, line_number,
               Filled(Translated("DrawFile",
                                 "draw %1 is not a single-precision value with 0 <= r < 1"),
                      {Quoted(number)}));
    }
    return value;
}

float DrawFileRandom::NextRandom()
{
    ++line_number_;
    if (!std::getline(in_, line_)) {
        if (in_.bad()) {
            Reject(name_, line_number_,
                   Filled(Translated("DrawFile", "the draws could not be read: %1"),
                          {std::strerror(errno)}));
        }
        const std::uint64_t count = line_number_ - 1;
        if (rescatter_seconds_ == kRescatterAuto) {
            // How many times it begins again depends on the draws themselves.
            Reject(name_, line_number_,
                   Filled(TranslatedCount("DrawFile",
                                          "the draws ran out after %n values; the flight takes %1 "
                                          "for each scatter, then one a tick",
                                          "the draws ran out after %n value; the flight takes %1 "
                                          "for each scatter, then one a tick",
                                          count),
                          {std::to_string(kScatterDraws)}));
        }
        const std::uint64_t rescatters = Rescatters(ticks_, rescatter_seconds_);
        const std::string total = DrawsTaken(ticks_, rescatters);
        if (rescatters == 0) {
            Reject(name_, line_number_,
                   Filled(TranslatedCount("DrawFile",
                                          "the draws ran out after %n values; the flight takes "
                                          "%1 (%2 for the scatter, then one a tick)",
                                          "the draws ran out after %n value; the flight takes "
                                          "%1 (%2 for the scatter, then one a tick)",
                                          count),
                          {total, std::to_string(kScatterDraws)}));
        }
        Reject(name_, line_number_,
               Filled(TranslatedCount("DrawFile",
                                      "the draws ran out after %n values; the flight takes %1 "
                                      "(%2 for each of its %3 scatters, then one a tick)",
                                      "the draws ran out after %n value; the flight takes %1 "
                                      "(%2 for each of its %3 scatters, then one a tick)",
                                      count),
                      {total, std::to_string(kScatterDraws), std::to_string(rescatters + 1)}));
    }
    return ParseDraw(line_, name_, line_number_);
}

} // namespace drelk::sim
