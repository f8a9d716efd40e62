// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// --rescatter auto: when the flight begins again.

#include "flight/plain_scene.h"
#include "flight/rescatter.h"
#include "flight/scatter.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

using namespace drelk;

TEST(RescatterAuto, GatheredIsEveryHeadWithin900TwipsOfEveryOther)
{
    FlightState state; // every head at the origin
    EXPECT_TRUE(DronesGathered(state));
    state.Drones[10].X = 540; // 540, 720: 900 twips exactly
    state.Drones[10].Y = 720;
    EXPECT_TRUE(DronesGathered(state));
    state.Drones[10].Y = 721;
    EXPECT_FALSE(DronesGathered(state));
    // Each of the first two near all the others, but 1000 twips from one another.
    state = FlightState{};
    state.Drones[1].X = -500;
    state.Drones[2].X = 500;
    EXPECT_FALSE(DronesGathered(state));
    // Heads as far apart as 32 bits go: the square of their distance is past 64 bits.
    for (DroneState& drone : state.Drones) {
        drone = {0, std::numeric_limits<std::int32_t>::min(), 0, 100};
    }
    state.Drones[1].X = std::numeric_limits<std::int32_t>::max();
    EXPECT_FALSE(DronesGathered(state));
}

// On the smallest and the largest screen auto is made for (logical pixels of 15 twips), the
// flight begins again (the queen back at her start) exactly when due: 20 s after it last
// began at the soonest, once the drones have been gathered for 5 s of it.
TEST(RescatterAuto, BeginsAgainOnceGatheredAndNeverWithinTwentySeconds)
{
    for (const auto& [width, height] : {std::pair{960, 540}, std::pair{3840, 2160}}) {
        SCOPED_TRACE(width);
        MersenneRandom random(3);
        PlainScene scene(static_cast<float>(width * 15), static_cast<float>(height * 15));
        FlightState state;
        Rescatter rescatter(kRescatterAuto);
        ScatterDrones(state, scene, random);
        std::uint64_t last_start = 0, gathered = 0, starts = 0;
        for (std::uint64_t tick = 1; tick <= 6000; ++tick) {
            gathered += DronesGathered(state) ? 1u : 0u;
            FlightTick(tick, rescatter, state, scene, random);
            const bool began_again =
                scene.QueenLeft() == kQueenStartLeft && scene.QueenTop() == kQueenStartTop;
            ASSERT_EQ(began_again, tick - last_start >= 200 && gathered >= 50)
                << "tick " << tick << ", " << tick - last_start << " after the last start, "
                << "gathered for " << gathered;
            if (began_again) {
                last_start = tick;
                gathered = 0;
                ++starts;
            }
        }
        EXPECT_GE(starts, 4u); // the drones gather on a 4K screen too, in under two minutes
    }
}
