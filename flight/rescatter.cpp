// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/rescatter.h"

#include "flight/movement_tick.h"
#include "flight/scatter.h"

namespace drelk {

void FlightTick(std::uint64_t tick, std::uint64_t rescatter_seconds, FlightState& state,
                FlightScene& scene, RandomSource& random)
{
    if (rescatter_seconds != 0 && tick % (rescatter_seconds * kTicksPerSecond) == 0) {
        ScatterDronesAgain(state, scene, random);
    } else {
        MovementTimer_Timer(state, scene, random);
    }
}

} // namespace drelk
