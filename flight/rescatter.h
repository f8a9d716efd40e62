// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/flight_state.h"
#include "flight/random_source.h"

#include <cstdint>
#include <limits>

namespace drelk {

// The movement timer's pace: one tick every 100 ms.
inline constexpr std::uint64_t kTicksPerSecond = 10;

// The longest period between scatters that is taken, in seconds: over 31 years, longer than
// any run, and its ticks still fit in 64 bits many times over.
inline constexpr std::uint64_t kMostRescatterSeconds = 1'000'000'000;

// --rescatter auto, held where a number of seconds is: past every period taken.
inline constexpr std::uint64_t kRescatterAuto = std::numeric_limits<std::uint64_t>::max();

// With auto, the drones are gathered when every head is within this many twips of every
// other (60 pixels at 96 dpi). The flight begins again once they have been gathered for
// kAutoGatheredTicks of the ticks since it last began, and never sooner than
// kAutoShortestFlightTicks after it last began. The knot forms after some 20 s of chase on
// 960 x 540 pixels and 100 s on 3840 x 2160, and holds once formed, so a fixed few seconds
// of it keep the drones gathered a small share of the time at every size
// (bench/rescatter_spread.py) without a period to fit to the screen; the shortest flight
// keeps the smallest screens from flickering from one scatter to the next.
inline constexpr std::int64_t kGatheredTwips = 900;
inline constexpr std::uint64_t kAutoGatheredTicks = 5 * kTicksPerSecond;
inline constexpr std::uint64_t kAutoShortestFlightTicks = 20 * kTicksPerSecond;

// Whether every drone's head is within kGatheredTwips of every other's, in whole twips.
bool DronesGathered(const FlightState& state);

// When the flight begins again: every `seconds` seconds of ticks (0: never), or by the rule
// of auto (kRescatterAuto). Auto keeps count of the ticks since the flight last began, so a
// flight keeps one Rescatter from its start-up scatter on.
class Rescatter {
public:
    explicit Rescatter(std::uint64_t seconds = 0) : seconds_(seconds) {}

    std::uint64_t Seconds() const { return seconds_; }

    // Whether tick `tick` begins the flight again instead of moving it; `state` is as the
    // tick before left it. Asked once for each tick, in order.
    bool BeginsAgain(std::uint64_t tick, const FlightState& state);

private:
    std::uint64_t seconds_;
    std::uint64_t last_start_ = 0;     // the tick of the last scatter: 0, the start-up one
    std::uint64_t gathered_ticks_ = 0; // since then
};

// Tick `tick` (1 is the first after the start-up scatter) of a flight that begins again
// when `rescatter` says. Counted in ticks, so time without ticks (a pause) does not count.
// With a period of N seconds, tick k x 10 x N, for k = 1, 2, ..., is not a movement tick:
// the drones are scattered again in its place (ScatterDronesAgain), so the tick shows the
// new start as tick 0 shows the first, and each flight has the same number of ticks. Auto
// scatters in place of a tick in the same way. The others are movement ticks.
void FlightTick(std::uint64_t tick, Rescatter& rescatter, FlightState& state, FlightScene& scene,
                RandomSource& random);

} // namespace drelk
