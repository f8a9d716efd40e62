// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/flight_state.h"
#include "flight/random_source.h"

namespace drelk {

// One tick of the 100 ms movement timer: the queen's phase, then the drones' phase.
void MovementTimer_Timer(FlightState& state, FlightScene& scene, RandomSource& random);

// The queen's phase: jitter her heading by -15..+14 degrees, fly 50 twips, and turn her
// round if she is now beyond the margin line near any edge of the window.
void FlyQueen(FlightState& state, FlightScene& scene, RandomSource& random);

// The drones' phase: drones 1..10 in turn steer a quarter of the way toward the queen's
// centre, fly 50 twips and redraw their line. `target` is the tick's pursuit target; a
// drone whose head sits exactly on the queen's centre keeps steering toward whatever
// the previous drone left in it.
void PursueQueen(FlightState& state, FlightScene& scene, double& target);

} // namespace drelk
