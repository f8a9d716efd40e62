// Long runs over several window sizes, checking what must hold after every tick.

#include "flight/heading.h"
#include "flight/movement_tick.h"
#include "flight/scatter.h"
#include "plain_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace drelk;
using drelk::sim::PlainScene;

namespace {

struct RunCase {
    float width;
    float height;
    int ticks;
};

class LongRun : public ::testing::TestWithParam<RunCase> {};

void ExpectLineBehindHead(const DroneState& drone, const sim::LineEnds& line, int n, int tick)
{
    ASSERT_EQ(line.x1, static_cast<float>(drone.X)) << "drone " << n << " tick " << tick;
    ASSERT_EQ(line.y1, static_cast<float>(drone.Y)) << "drone " << n << " tick " << tick;
    const double body = DegreesToRadians(OppositeHeading(drone.Heading));
    // Each end is rounded to float once; allow for that rounding at these magnitudes.
    const double slack = 1e-6 * (std::abs(drone.X) + std::abs(drone.Y) + 400.0);
    ASSERT_NEAR(line.x2 - line.x1, drone.Length * std::sin(body), slack) << "drone " << n;
    ASSERT_NEAR(line.y2 - line.y1, drone.Length * std::cos(body), slack) << "drone " << n;
    ASSERT_NEAR(std::hypot(line.x2 - line.x1, line.y2 - line.y1), drone.Length, 2 * slack);
}

} // namespace

TEST_P(LongRun, InvariantsHoldOnEveryTick)
{
    const RunCase run = GetParam();
    PlainScene scene(run.width, run.height);
    FlightState state;
    ClockRandom random(20261207);
    ScatterDrones(state, scene, random);

    for (int n = 1; n <= kDroneCount; ++n) {
        const DroneState& drone = state.Drones[static_cast<std::size_t>(n)];
        EXPECT_GE(drone.X, 0);
        EXPECT_LT(drone.X, run.width);
        EXPECT_GE(drone.Y, 0);
        EXPECT_LT(drone.Y, run.height);
        EXPECT_GE(drone.Length, 100);
        EXPECT_LE(drone.Length, 299);
        ExpectLineBehindHead(drone, scene.Line(n), n, 0);
    }

    for (int tick = 1; tick <= run.ticks; ++tick) {
        const FlightState before = state;
        const float queen_left = scene.QueenLeft();
        const float queen_top = scene.QueenTop();
        MovementTimer_Timer(state, scene, random);

        ASSERT_GE(state.QueenHeading, 0);
        ASSERT_LE(state.QueenHeading, 359);
        ASSERT_NEAR(std::hypot(scene.QueenLeft() - queen_left, scene.QueenTop() - queen_top), 50.0,
                    0.01);
        for (int n = 1; n <= kDroneCount; ++n) {
            const auto i = static_cast<std::size_t>(n);
            const DroneState& drone = state.Drones[i];
            ASSERT_GE(drone.Heading, 0) << "tick " << tick;
            ASSERT_LE(drone.Heading, 359) << "tick " << tick;
            ASSERT_EQ(drone.Length, before.Drones[i].Length);
            // 50 twips, each coordinate rounded to a whole twip.
            const double step =
                std::hypot(drone.X - before.Drones[i].X, drone.Y - before.Drones[i].Y);
            ASSERT_NEAR(step, 50.0, 0.75) << "drone " << n << " tick " << tick;
            ExpectLineBehindHead(drone, scene.Line(n), n, tick);
        }
        ASSERT_EQ(state.Drones[0].Heading, 0);
        ASSERT_EQ(state.Drones[0].X, 0);
        ASSERT_EQ(state.Drones[0].Y, 0);
        ASSERT_EQ(state.Drones[0].Length, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, LongRun,
                         ::testing::Values(RunCase{9105, 6930, 5000}, RunCase{3000, 2000, 3000},
                                           RunCase{1000, 800, 2000}, RunCase{1, 1, 500},
                                           RunCase{60000, 45000, 4000}),
                         [](const ::testing::TestParamInfo<RunCase>& case_info) {
                             return std::to_string(static_cast<int>(case_info.param.width)) + "x" +
                                    std::to_string(static_cast<int>(case_info.param.height));
                         });

// The designed window keeps every head far inside 16 bits; a 60000 x 45000 window
// carries heads across 32767 both ways, and the flight goes on without a fault.
TEST(LargeWindow, HeadsCrossSixteenBitsWithoutFault)
{
    PlainScene scene(60000, 45000);
    FlightState state;
    ClockRandom random(7);
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
