// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/flight_state.h"
#include "flight/random_source.h"

namespace drelk {

// The draws of the start-up scatter: the queen's heading, then each drone's heading,
// length, x and y.
inline constexpr int kScatterDraws = 1 + 4 * kDroneCount;

// The start-up scatter, run once before the window is first shown: seeds the random
// source, gives the queen her first heading and puts each drone at a random place in the
// window with a random heading and body length, drawing its line.
void ScatterDrones(FlightState& state, FlightScene& scene, RandomSource& random);

// The flight begun again as the start-up scatter began it: the queen back at her start and
// the same 41 draws, over the window's size as it is now, but without seeding the random
// source, which goes on where it was.
void ScatterDronesAgain(FlightState& state, FlightScene& scene, RandomSource& random);

} // namespace drelk
