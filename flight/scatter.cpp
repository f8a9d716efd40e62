// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/scatter.h"

#include "flight/designed_layout.h"
#include "flight/heading.h"
#include "flight/numeric_rules.h"

#include <cmath>

namespace drelk {
namespace {

// The scatter's draws: the queen's heading, then each drone's.
void Scatter(FlightState& state, FlightScene& scene, RandomSource& random)
{
    state.QueenHeading = FloorInt16(360.0 * random.NextRandom());

    for (int n = 1; n <= kDroneCount; ++n) {
        DroneState& drone = DroneRecord(state, n);
        drone.Heading = FloorInt16(360.0 * random.NextRandom());
        // The body trails behind the head, away from where the drone will fly.
        const std::int16_t tail = OppositeHeading(drone.Heading);
        drone.Length = ToInt16(std::floor(200.0 * random.NextRandom()) + 100.0);

        // Heads land anywhere within the window's outer size, read as the draw is made.
        const double across = random.NextRandom();
        drone.X = FloorInt32(across * scene.WindowWidth());
        scene.SetDroneLineX(n, static_cast<float>(drone.X),
                            static_cast<float>(drone.Length * HeadingSin(tail) + drone.X));

        const double down = random.NextRandom();
        drone.Y = FloorInt32(down * scene.WindowHeight());
        scene.SetDroneLineY(n, static_cast<float>(drone.Y),
                            static_cast<float>(drone.Length * HeadingCos(tail) + drone.Y));
    }
}

} // namespace

void ScatterDrones(FlightState& state, FlightScene& scene, RandomSource& random)
{
    random.SeedRandom();
    Scatter(state, scene, random);
}

void ScatterDronesAgain(FlightState& state, FlightScene& scene, RandomSource& random)
{
    scene.SetQueenLeft(kQueenStartLeft);
    scene.SetQueenTop(kQueenStartTop);
    Scatter(state, scene, random);
}

} // namespace drelk
