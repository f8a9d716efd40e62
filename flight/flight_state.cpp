// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/flight_state.h"

#include "flight/flight_fault.h"

#include <string>

namespace drelk {

DroneState& DroneRecord(FlightState& state, int n)
{
    if (n < 0 || n >= static_cast<int>(state.Drones.size())) {
        throw FlightFault("drone record " + std::to_string(n) + " is outside the table 0..10");
    }
    return state.Drones[static_cast<std::size_t>(n)];
}

std::size_t DroneLineIndex(int n)
{
    if (n < 1 || n > kDroneCount) {
        throw FlightFault("drone line " + std::to_string(n) + " does not exist (1..10)");
    }
    return static_cast<std::size_t>(n);
}

} // namespace drelk
