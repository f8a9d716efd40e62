// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/designed_layout.h"
#include "flight/heading.h"
#include "flight/plain_scene.h"
#include "flight/scatter.h"
#include "tests/support/scripted_random.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace drelk;
using drelk::PlainScene;
using drelk::tests::ScriptedRandom;

namespace {

// Draws for one drone: heading, length, x, y.
std::vector<float> DroneDraws(float heading, float length, float x, float y)
{
    return {heading, length, x, y};
}

} // namespace

TEST(ScatterDrones, AllZeroDrawsStackEveryDroneAtTheOrigin)
{
    FlightState state;
    PlainScene scene(kDesignedOuterWidth, kDesignedOuterHeight);
    ScriptedRandom random(std::vector<float>(41, 0.0f));
    ScatterDrones(state, scene, random);

    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(random.drawn, 41u);
    EXPECT_EQ(state.QueenHeading, 0);
    for (int n = 1; n <= kDroneCount; ++n) {
        const DroneState& drone = state.Drones[static_cast<std::size_t>(n)];
        EXPECT_EQ(drone.Heading, 0);
        EXPECT_EQ(drone.Length, 100);
        EXPECT_EQ(drone.X, 0);
        EXPECT_EQ(drone.Y, 0);
        const auto& line = scene.Line(n);
        EXPECT_EQ(line.x1, 0.0f);
        EXPECT_EQ(line.y1, 0.0f);
        // The body points up (180 degrees); with the short π its x end is 3.2e-13, not 0.
        EXPECT_EQ(line.x2, static_cast<float>(100 * std::sin(DegreesToRadians(180))));
        EXPECT_NEAR(line.x2, 3.2e-13f, 1e-14f);
        EXPECT_GT(line.x2, 0.0f);
        EXPECT_EQ(line.y2, -100.0f);
    }
    // The queen stays where the window put her.
    EXPECT_EQ(scene.QueenLeft(), kQueenStartLeft);
    EXPECT_EQ(scene.QueenTop(), kQueenStartTop);
}

TEST(ScatterDrones, DrawsInOrderQueenThenHeadingLengthXYPerDrone)
{
    std::vector<float> draws = {0.5f}; // queen: 180
    for (int n = 1; n <= kDroneCount; ++n) {
        // heading 36n - 36 (from n/10 - 0.1 of 360), length 100 + 10n, x = n * 100, y = n * 50
        const auto heading = static_cast<float>(n - 1) / 10.0f;
        const float length = static_cast<float>(10 * n) / 200.0f;
        const float x = static_cast<float>(n) / 100.0f;
        const float y = static_cast<float>(n) / 100.0f;
        for (float d : DroneDraws(heading, length, x, y)) {
            draws.push_back(d);
        }
    }
    FlightState state;
    PlainScene scene(10000, 5000);
    ScriptedRandom random(draws);
    ScatterDrones(state, scene, random);

    EXPECT_EQ(state.QueenHeading, 180);
    for (int n = 1; n <= kDroneCount; ++n) {
        const DroneState& drone = state.Drones[static_cast<std::size_t>(n)];
        const auto& d = draws;
        const std::size_t at = 1 + 4 * static_cast<std::size_t>(n - 1);
        EXPECT_EQ(drone.Heading, static_cast<int>(std::floor(360.0 * d[at])));
        EXPECT_EQ(drone.Length, static_cast<int>(std::floor(200.0 * d[at + 1])) + 100);
        EXPECT_EQ(drone.X, static_cast<int>(std::floor(d[at + 2] * 10000.0)));
        EXPECT_EQ(drone.Y, static_cast<int>(std::floor(d[at + 3] * 5000.0)));
    }
    // Record 0 is never touched.
    EXPECT_EQ(state.Drones[0].Heading, 0);
    EXPECT_EQ(state.Drones[0].X, 0);
    EXPECT_EQ(state.Drones[0].Y, 0);
    EXPECT_EQ(state.Drones[0].Length, 0);
}

TEST(ScatterDrones, LineRunsOppositeTheHeading)
{
    // Heading 90 (0.25 of 360), length 200 (draw 0.5), head (1000, 1000) in a 4000 x 4000 window.
    std::vector<float> draws = {0.0f};
    for (int n = 1; n <= kDroneCount; ++n) {
        for (float d : DroneDraws(0.25f, 0.5f, 0.25f, 0.25f)) {
            draws.push_back(d);
        }
    }
    FlightState state;
    PlainScene scene(4000, 4000);
    ScriptedRandom random(draws);
    ScatterDrones(state, scene, random);

    const DroneState& drone = state.Drones[1];
    EXPECT_EQ(drone.Heading, 90);
    EXPECT_EQ(drone.Length, 200);
    EXPECT_EQ(drone.X, 1000);
    EXPECT_EQ(drone.Y, 1000);
    // Body direction 270: sin is exactly -1, and cos (-4.6e-15) vanishes in the float.
    const auto& line = scene.Line(1);
    EXPECT_EQ(line.x1, 1000.0f);
    EXPECT_EQ(line.y1, 1000.0f);
    EXPECT_EQ(line.x2, 800.0f);
    EXPECT_EQ(line.y2, 1000.0f);
}

TEST(ScatterDrones, DrawsJustBelowOneStayInRange)
{
    const float below_one = std::nextafter(1.0f, 0.0f);
    FlightState state;
    PlainScene scene(kDesignedOuterWidth, kDesignedOuterHeight);
    ScriptedRandom random(std::vector<float>(41, below_one));
    ScatterDrones(state, scene, random);

    EXPECT_EQ(state.QueenHeading, 359);
    for (int n = 1; n <= kDroneCount; ++n) {
        const DroneState& drone = state.Drones[static_cast<std::size_t>(n)];
        EXPECT_EQ(drone.Heading, 359);
        EXPECT_EQ(drone.Length, 299);
        EXPECT_EQ(drone.X, kDesignedOuterWidth - 1);
        EXPECT_EQ(drone.Y, kDesignedOuterHeight - 1);
    }
}

TEST(ScatterDrones, WindowWiderThanSixteenBitsPlacesHeadsWithoutFault)
{
    FlightState state;
    PlainScene scene(60000, 45000);
    ScriptedRandom random(std::vector<float>(41, 0.9f));
    ScatterDrones(state, scene, random);
    EXPECT_EQ(state.Drones[10].X, static_cast<int>(std::floor(double(0.9f) * 60000.0)));
    EXPECT_GT(state.Drones[10].X, 32767);
    EXPECT_EQ(scene.Line(10).x1, static_cast<float>(state.Drones[10].X));
}
