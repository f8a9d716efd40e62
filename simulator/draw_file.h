// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/random_source.h"

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace drelk::sim {

// A random source that replays draws from a text stream, one decimal number per line,
// read as it goes (so a pipe can feed a run of any length), for a flight of `ticks` ticks
// begun again every `rescatter_seconds` (0: never; kRescatterAuto: when the drones have
// gathered, so the draws it takes are not known beforehand). Seeding does nothing. A line that is
// not a float with 0 <= r < 1, or the end of the draws, throws BadInput naming the source and the
// line, and for the end how many draws the flight takes.
class DrawFileRandom final : public RandomSource {
public:
    DrawFileRandom(std::istream& in, std::string name, std::uint64_t ticks,
                   std::uint64_t rescatter_seconds = 0)
        : in_(in), name_(std::move(name)), ticks_(ticks), rescatter_seconds_(rescatter_seconds)
    {
    }

    void SeedRandom() override {}
    float NextRandom() override;

private:
    std::istream& in_;
    std::string name_;
    std::uint64_t ticks_;
    std::uint64_t rescatter_seconds_;
    std::string line_;
    std::uint64_t line_number_ = 0;
};

// Reads one draw from the text of a line; on a bad line throws BadInput naming
// `source` and `line_number`.
float ParseDraw(std::string_view text, std::string_view source, std::uint64_t line_number);

} // namespace drelk::sim
