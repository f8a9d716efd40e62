// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/designed_layout.h"
#include "flight/heading.h"
#include "flight/movement_tick.h"
#include "flight/plain_scene.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace drelk;
using drelk::PlainScene;

namespace {

struct DronePursuit : testing::Test {
    FlightState state;
    PlainScene scene{kDesignedOuterWidth, kDesignedOuterHeight};
    double target = 0.0;

    void PutAllDrones(int heading, int x, int y, int length = 200)
    {
        for (int n = 1; n <= kDroneCount; ++n) {
            state.Drones[static_cast<std::size_t>(n)] = {static_cast<std::int16_t>(heading), x, y,
                                                         static_cast<std::int16_t>(length)};
        }
    }
    // Puts the queen so that the centre of her box is at (x, y).
    void PutQueenCentre(double x, double y)
    {
        scene.SetQueenLeft(static_cast<float>(x - kQueenWidth / 2.0));
        scene.SetQueenTop(static_cast<float>(y - kQueenHeight / 2.0));
    }
    // Heading of drone 1 after one pursuit phase from `heading` toward a queen centre
    // offset (dx, dy) from the head.
    int Steer(int heading, double dx, double dy)
    {
        PutAllDrones(heading, 5000, 5000);
        PutQueenCentre(5000 + dx, 5000 + dy);
        target = 0.0;
        PursueQueen(state, scene, target);
        return state.Drones[1].Heading;
    }
};

} // namespace

TEST_F(DronePursuit, WorkedExample)
{
    PutAllDrones(0, 1000, 1000);
    scene.SetQueenLeft(3960.0f);
    scene.SetQueenTop(3000.0f);
    PursueQueen(state, scene, target);

    EXPECT_NEAR(target, 54.8343, 5e-5);
    const DroneState& drone = state.Drones[1];
    EXPECT_EQ(drone.Heading, 14);
    EXPECT_EQ(drone.X, 1012);
    EXPECT_EQ(drone.Y, 1049);
    EXPECT_EQ(drone.Length, 200);
    const auto& line = scene.Line(1);
    EXPECT_EQ(line.x1, 1012.0f);
    EXPECT_EQ(line.y1, 1049.0f);
    EXPECT_NEAR(line.x2, 963.6156f, 1e-3f);
    EXPECT_NEAR(line.y2, 854.9409f, 1e-3f);
    // All ten drones run, each the same here, and record 0 is never touched.
    EXPECT_EQ(state.Drones[10].X, 1012);
    EXPECT_EQ(state.Drones[0].X, 0);
    EXPECT_EQ(state.Drones[0].Heading, 0);
}

TEST_F(DronePursuit, BearingsStraightDownUpRightAndLeft)
{
    Steer(100, 0, 800);
    EXPECT_EQ(target, 0.0);
    Steer(100, 0, -800);
    EXPECT_EQ(target, 180.0);
    Steer(100, 800, 0);
    EXPECT_EQ(target, 90.0);
    Steer(100, -800, 0);
    EXPECT_EQ(target, 270.0);
}

TEST_F(DronePursuit, BearingsInEachQuadrant)
{
    EXPECT_EQ(Steer(0, 800, 800), 11);
    EXPECT_EQ(target, kDegreesPerRadian * std::atan(1.0));
    EXPECT_EQ(target, 45.00000000000004);
    Steer(0, 800, -800);
    EXPECT_NEAR(target, 135.0, 1e-9);
    Steer(0, -800, -800);
    EXPECT_NEAR(target, 225.0, 1e-9);
    Steer(0, -800, 800);
    EXPECT_NEAR(target, 315.0, 1e-9);
}

TEST_F(DronePursuit, TurnsTheShorterWayRound)
{
    // 350 toward 90: the target is lifted to 450, and 350 + 25 = 375 folds to 15.
    EXPECT_EQ(Steer(350, 800, 0), 15);
    EXPECT_EQ(target, 450.0);
    // 10 toward 270: the heading is lifted to 370, then 370 - 25 = 345.
    EXPECT_EQ(Steer(10, -800, 0), 345);
    // Exactly half a circle apart takes no lift: 0 toward 180 gives 45.
    EXPECT_EQ(Steer(0, 0, -800), 45);
    EXPECT_EQ(target, 180.0);
}

TEST_F(DronePursuit, QuarterTurnRoundsTiesToEven)
{
    EXPECT_EQ(Steer(88, 800, 0), 88); // 88.5
    EXPECT_EQ(Steer(92, 800, 0), 92); // 91.5
    EXPECT_EQ(Steer(86, 800, 0), 87); // 87.0
    EXPECT_EQ(Steer(87, 800, 0), 88); // 87.75
}

TEST_F(DronePursuit, HeadOnTheCentreKeepsThePreviousDronesTarget)
{
    PutQueenCentre(1000, 1000);
    // Drone 1 sits on the centre at the start of a tick: it steers toward 0.
    PutAllDrones(100, 1000, 1000);
    state.Drones[2] = {100, 3000, 1000, 200}; // queen straight left of drone 2
    target = 0.0;
    PursueQueen(state, scene, target);
    EXPECT_EQ(state.Drones[1].Heading, 75); // 100 + (0 - 100) / 4

    // Drone 1 sees the queen at 90 with heading 350, so it leaves 450 as the target;
    // drone 2 sits on the centre and steers toward that 450.
    PutAllDrones(100, 1000, 1000);
    state.Drones[1] = {350, 0, 1000, 200};
    target = 0.0;
    PursueQueen(state, scene, target);
    EXPECT_EQ(state.Drones[1].Heading, 15);
    EXPECT_EQ(state.Drones[2].Heading, 98); // 100 -> 460, 457.5 -> 458, folds to 98
}

TEST_F(DronePursuit, DronesFlyFiftyTwipsAndThroughTheQueen)
{
    PutAllDrones(0, 1000, 1000);
    PutQueenCentre(1000, 1020); // straight below, closer than one step
    PursueQueen(state, scene, target);
    EXPECT_EQ(state.Drones[1].X, 1000);
    EXPECT_EQ(state.Drones[1].Y, 1050); // past the centre
}

TEST_F(DronePursuit, HeadsBeyondSixteenBitsAreFlownWithoutFault)
{
    PutAllDrones(90, 32760, 40000);
    PutQueenCentre(50000, 40000);
    PursueQueen(state, scene, target);
    EXPECT_EQ(state.Drones[1].X, 32810);
    EXPECT_EQ(scene.Line(1).x1, 32810.0f);
    EXPECT_EQ(scene.Line(1).x2, 32610.0f);
    EXPECT_EQ(state.Drones[1].Y, 40000);
}
