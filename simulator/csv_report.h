// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/flight_state.h"
#include "flight/plain_scene.h"

#include <cstdint>
#include <string>

namespace drelk::sim {

// The simulator's output: a header line, then one row per printed tick with the queen
// and the ten drones. Reals are written as the shortest plain decimal (no exponent) that
// reads back as the very same float.
void AppendCsvHeader(std::string& out);
void AppendCsvRow(std::string& out, std::uint64_t tick, const FlightState& state,
                  const PlainScene& scene);

} // namespace drelk::sim
