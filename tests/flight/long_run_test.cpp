// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Long runs over several window sizes, checking what must hold after every tick.

#include "flight/movement_tick.h"
#include "flight/plain_scene.h"
#include "flight/scatter.h"
#include "tests/support/flight_invariants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace drelk;

namespace {

struct RunCase {
    float width;
    float height;
    int ticks;
};

class LongRun : public testing::TestWithParam<RunCase> {};

} // namespace

// The same checks the soak run and the fuzzer make, over a few fixed window sizes.
TEST_P(LongRun, InvariantsHoldOnEveryTick)
{
    const RunCase run = GetParam();
    PlainScene scene(run.width, run.height);
    FlightState state;
    MersenneRandom random(20261207);
    ScatterDrones(state, scene, random);
    ASSERT_EQ(tests::CheckAfterScatter(state, scene), std::nullopt);

    for (int tick = 1; tick <= run.ticks; ++tick) {
        const tests::FlightSnapshot before = tests::TakeSnapshot(state, scene);
        MovementTimer_Timer(state, scene, random);
        ASSERT_EQ(tests::CheckAfterTick(before, state, scene), std::nullopt) << "tick " << tick;
    }
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, LongRun,
                         testing::Values(RunCase{9105, 6930, 5000}, RunCase{3000, 2000, 3000},
                                         RunCase{1000, 800, 2000}, RunCase{1, 1, 500},
                                         RunCase{60000, 45000, 4000}),
                         [](const testing::TestParamInfo<RunCase>& case_info) {
                             return std::to_string(static_cast<int>(case_info.param.width)) + "x" +
                                    std::to_string(static_cast<int>(case_info.param.height));
                         });

// The designed window keeps every head far inside 16 bits; a 60000 x 45000 window
// carries heads across 32767 both ways, and the flight goes on without a fault.
TEST(LargeWindow, HeadsCrossSixteenBitsWithoutFault)
{
    PlainScene scene(60000, 45000);
    FlightState state;
    MersenneRandom random(7);
    ScatterDrones(state, scene, random);
    // Let the queen start far out, so the swarm has to fly across the 16-bit line.
    scene.SetQueenLeft(50000.0f);
    scene.SetQueenTop(40000.0f);

    int crossings = 0;
    int widest = 0;
    for (int tick = 1; tick <= 3000; ++tick) {
        const FlightState before = state;
        ASSERT_NO_THROW(MovementTimer_Timer(state, scene, random)) << "tick " << tick;
        for (int n = 1; n <= kDroneCount; ++n) {
            const auto i = static_cast<std::size_t>(n);
            const bool was_above = before.Drones[i].X > 32767 || before.Drones[i].Y > 32767;
            const bool is_above = state.Drones[i].X > 32767 || state.Drones[i].Y > 32767;
            crossings += was_above != is_above;
            widest = std::max({widest, state.Drones[i].X, state.Drones[i].Y});
        }
    }
    EXPECT_GT(crossings, 0);
    EXPECT_GT(widest, 32767);
}
