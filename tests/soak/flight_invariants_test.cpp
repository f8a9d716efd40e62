// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The checks that the soak run and the flight fuzzer rely on must pass a sound flight and
// catch each kind of damage.

#include "flight/movement_tick.h"
#include "flight/scatter.h"
#include "tests/support/flight_invariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <ostream>

using namespace drelk;
using drelk::PlainScene;
using drelk::tests::CheckAfterScatter;
using drelk::tests::CheckAfterTick;
using drelk::tests::FlightSnapshot;
using drelk::tests::TakeSnapshot;

namespace {

struct Flight {
    PlainScene scene{9105, 6930};
    FlightState state;
    MersenneRandom random{42};

    Flight() { ScatterDrones(state, scene, random); }
};

struct Damage {
    const char* name;
    std::function<void(const FlightSnapshot& before, FlightState&, PlainScene&)> apply;
    const char* reported; // a piece of the expected description
};

// Named in test output by what it does, not by its bytes.
void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

class TickDamage : public testing::TestWithParam<Damage> {};

} // namespace

TEST(FlightInvariants, SoundFlightPassesEveryTick)
{
    Flight flight;
    ASSERT_EQ(CheckAfterScatter(flight.state, flight.scene), std::nullopt);
    for (int tick = 1; tick <= 300; ++tick) {
        const auto before = TakeSnapshot(flight.state, flight.scene);
        MovementTimer_Timer(flight.state, flight.scene, flight.random);
        ASSERT_EQ(CheckAfterTick(before, flight.state, flight.scene), std::nullopt) << tick;
    }
}

TEST(FlightInvariants, ScatterOutsideTheWindowIsCaught)
{
    Flight flight;
    flight.scene.Resize(10, 10); // the heads were placed in a far larger window
    const auto broken = CheckAfterScatter(flight.state, flight.scene);
    ASSERT_TRUE(broken);
    EXPECT_NE(broken->find("outside the 10 x 10 window"), std::string::npos) << *broken;
}

TEST_P(TickDamage, IsCaught)
{
    Flight flight;
    const auto before = TakeSnapshot(flight.state, flight.scene);
    MovementTimer_Timer(flight.state, flight.scene, flight.random);
    GetParam().apply(before, flight.state, flight.scene);
    const auto broken = CheckAfterTick(before, flight.state, flight.scene);
    ASSERT_TRUE(broken);
    EXPECT_NE(broken->find(GetParam().reported), std::string::npos) << *broken;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TickDamage,
    testing::Values(
        Damage{"QueenHeading360",
               [](const FlightSnapshot&, FlightState& s, PlainScene&) { s.QueenHeading = 360; },
               "queen heading 360"},
        Damage{"DroneHeadingNegative",
               [](const FlightSnapshot&, FlightState& s, PlainScene&) { s.Drones[4].Heading = -1; },
               "drone 4: heading -1"},
        Damage{"QueenNaN",
               [](const FlightSnapshot&, FlightState&, PlainScene& scene) {
                   scene.SetQueenTop(std::numeric_limits<float>::quiet_NaN());
               },
               "queen at"},
        Damage{"QueenStepTooLong",
               [](const FlightSnapshot&, FlightState&, PlainScene& scene) {
                   scene.SetQueenLeft(scene.QueenLeft() + 1.0f);
               },
               "queen moved"},
        // The head goes back where it was, its line redrawn with it: only the step is wrong.
        Damage{"HeadDidNotMove",
               [](const FlightSnapshot& before, FlightState& s, PlainScene& scene) {
                   const LineEnds line = scene.Line(7);
                   DroneState& drone = s.Drones[7];
                   const auto back_x = static_cast<float>(drone.X - before.state.Drones[7].X);
                   const auto back_y = static_cast<float>(drone.Y - before.state.Drones[7].Y);
                   drone.X = before.state.Drones[7].X;
                   drone.Y = before.state.Drones[7].Y;
                   scene.SetDroneLineX(7, line.x1 - back_x, line.x2 - back_x);
                   scene.SetDroneLineY(7, line.y1 - back_y, line.y2 - back_y);
               },
               "drone 7: head moved"},
        Damage{"LengthChanged",
               [](const FlightSnapshot&, FlightState& s, PlainScene&) { ++s.Drones[2].Length; },
               "drone 2: length changed"},
        Damage{"LineTooShort",
               [](const FlightSnapshot&, FlightState&, PlainScene& scene) {
                   const LineEnds line = scene.Line(5);
                   scene.SetDroneLineY(5, line.y1, line.y1 + (line.y2 - line.y1) * 0.99f);
               },
               "drone 5: line"},
        Damage{"LineDetached",
               [](const FlightSnapshot&, FlightState&, PlainScene& scene) {
                   const LineEnds line = scene.Line(1);
                   scene.SetDroneLineX(1, line.x1 + 1, line.x2 + 1);
               },
               "not at its head"},
        Damage{"LineInfinite",
               [](const FlightSnapshot&, FlightState&, PlainScene& scene) {
                   const LineEnds line = scene.Line(9);
                   scene.SetDroneLineY(9, line.y1, std::numeric_limits<float>::infinity());
               },
               "is not finite"},
        Damage{"RecordZeroWritten",
               [](const FlightSnapshot&, FlightState& s, PlainScene&) { s.Drones[0].Y = 1; },
               "record 0 was written"}),
    [](const testing::TestParamInfo<Damage>& damage) { return damage.param.name; });
