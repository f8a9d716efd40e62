// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/flight_state.h"
#include "flight/random_source.h"

#include <cstdint>

namespace drelk {

// The movement timer's pace: one tick every 100 ms.
inline constexpr std::uint64_t kTicksPerSecond = 10;

// The longest period between scatters that is taken, in seconds: over 31 years, longer than
// any run, and its ticks still fit in 64 bits many times over.
inline constexpr std::uint64_t kMostRescatterSeconds = 1'000'000'000;

// Tick `tick` (1 is the first after the start-up scatter) of a flight that begins again
// every `rescatter_seconds` seconds (0: never). Counted in ticks, so time without ticks (a
// pause) does not count. Tick k x 10 x rescatter_seconds, for k = 1, 2, ..., is not a
// movement tick: the drones are scattered again in its place (ScatterDronesAgain), so the
// tick shows the new start as tick 0 shows the first, and each flight has the same number of
// ticks. The others are movement ticks.
void FlightTick(std::uint64_t tick, std::uint64_t rescatter_seconds, FlightState& state,
                FlightScene& scene, RandomSource& random);

} // namespace drelk
