// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

// What must hold of the flight after the scatter and after every tick, whatever the
// window is made to do. Shared by the soak run and the flight fuzzer.

#include "flight/flight_state.h"
#include "flight/plain_scene.h"

#include <optional>
#include <string>

namespace drelk::tests {

// The flight as it stood before a tick, to compare the tick's moves against.
struct FlightSnapshot {
    FlightState state;
    float queen_left = 0;
    float queen_top = 0;
};

FlightSnapshot TakeSnapshot(const FlightState& state, const PlainScene& scene);

// After the scatter in the scene's current window: headings 0..359, lengths 100..299,
// heads inside the window, each line behind its head, record 0 untouched. Returns a
// description of the first broken rule, or nothing.
std::optional<std::string> CheckAfterScatter(const FlightState& state, const PlainScene& scene);

// After a tick: headings 0..359, the queen and every drone 50 twips on (a drone's head
// rounded to whole twips), lengths unchanged, each line exactly `Length` long and opposite
// its heading, nothing NaN or infinite, record 0 untouched.
std::optional<std::string> CheckAfterTick(const FlightSnapshot& before, const FlightState& state,
                                          const PlainScene& scene);

} // namespace drelk::tests
