// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/designed_layout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace drelk::sim {

// A window's outer size in whole twips.
struct WindowSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// From tick `tick` on (before it runs) the window has `size`.
struct Resize {
    std::uint64_t tick = 0;
    WindowSize size;
};

// What a command line asks for. --help and --version win over a run and over any mistake.
enum class SimAction { Run, PrintHelp, PrintVersion };

struct SimOptions {
    SimAction action = SimAction::Run;
    std::uint64_t ticks = 100;
    WindowSize window = {kDesignedOuterWidth, kDesignedOuterHeight};
    std::vector<Resize> resizes; // in the order given; a later one for the same tick wins
    std::uint64_t every = 1;
    std::uint64_t rescatter_seconds = 0; // 0: the flight never begins again; or kRescatterAuto
    std::optional<std::uint64_t> seed;
    std::optional<std::string> draws_path; // "-" is standard input
};

// The largest window side accepted: every whole number up to it is exact as a float.
inline constexpr std::int64_t kMaxWindowSide = 16777216;

// Parses the arguments after the program name; a value may follow its option as the next
// argument or after '='. Throws BadInput for the first thing it cannot use, unless --help
// or --version is among the arguments: those win, and the options handed back with them
// are the defaults, so every field is always within its range.
SimOptions ParseSimOptions(std::span<const std::string_view> args);

// The usage text printed by --help, within 80 columns, in the user's language.
std::string SimUsage();

} // namespace drelk::sim
