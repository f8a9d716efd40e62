// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/rescatter.h"

#include "flight/movement_tick.h"
#include "flight/scatter.h"

#include <cstdlib>

namespace drelk {

bool DronesGathered(const FlightState& state)
{
    for (int a = 1; a <= kDroneCount; ++a) {
        for (int b = a + 1; b <= kDroneCount; ++b) {
            const DroneState& one = state.Drones[static_cast<std::size_t>(a)];
            const DroneState& other = state.Drones[static_cast<std::size_t>(b)];
            // 32-bit heads are apart by less than 2^33, but their squares could overflow: the
            // sides are checked first, and within them the squares are small.
            const std::int64_t dx = std::int64_t{one.X} - other.X;
            const std::int64_t dy = std::int64_t{one.Y} - other.Y;
            if (std::llabs(dx) > kGatheredTwips || std::llabs(dy) > kGatheredTwips ||
                dx * dx + dy * dy > kGatheredTwips * kGatheredTwips) {
                return false;
            }
        }
    }
    return true;
}

bool Rescatter::BeginsAgain(std::uint64_t tick, const FlightState& state)
{
    if (seconds_ != kRescatterAuto) {
        return seconds_ != 0 && tick % (seconds_ * kTicksPerSecond) == 0;
    }
    if (DronesGathered(state)) {
        ++gathered_ticks_;
    }
    if (tick - last_start_ < kAutoShortestFlightTicks || gathered_ticks_ < kAutoGatheredTicks) {
        return false;
    }
    last_start_ = tick;
    gathered_ticks_ = 0;
    return true;
}

void FlightTick(std::uint64_t tick, Rescatter& rescatter, FlightState& state, FlightScene& scene,
                RandomSource& random)
{
    if (rescatter.BeginsAgain(tick, state)) {
        ScatterDronesAgain(state, scene, random);
    } else {
        MovementTimer_Timer(state, scene, random);
    }
}

} // namespace drelk
