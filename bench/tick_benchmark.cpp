// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// One whole movement tick (queen and ten drones) against a scene that only keeps values,
// so the figure is the flight code's own cost.

#include "flight/designed_layout.h"
#include "flight/movement_tick.h"
#include "flight/plain_scene.h"
#include "flight/scatter.h"

#include <benchmark/benchmark.h>

namespace {

using namespace drelk;

void MovementTick(benchmark::State& bench)
{
    PlainScene scene(kDesignedOuterWidth, kDesignedOuterHeight);
    FlightState state;
    MersenneRandom random(42);
    ScatterDrones(state, scene, random);
    for (auto _ : bench) {
        MovementTimer_Timer(state, scene, random);
        benchmark::DoNotOptimize(state);
        benchmark::DoNotOptimize(scene);
    }
}
BENCHMARK(MovementTick);

} // namespace
