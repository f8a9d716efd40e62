// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/movement_tick.h"

#include "flight/heading.h"
#include "flight/numeric_rules.h"

#include <cmath>

namespace drelk {
namespace {

constexpr double kStep = 50.0;       // twips per tick, queen and drones alike
constexpr double kJitterSpan = 30.0; // turns of -15..+14 degrees

// The compass bearing (0 = down, 90 = right) of an offset. A zero offset leaves the
// target as it was.
void AimAt(float dx, float dy, double& target)
{
    if (dx == 0.0f) {
        if (dy > 0.0f) {
            target = 0.0;
        } else if (dy < 0.0f) {
            target = 180.0;
        }
        return;
    }
    if (dy == 0.0f) {
        target = dx > 0.0f ? 90.0 : 270.0;
        return;
    }
    const double angle = kDegreesPerRadian * std::atan(static_cast<double>(dx) / dy);
    if (dy < 0.0f) {
        target = angle + 180.0;
    } else if (dx < 0.0f) {
        target = angle + 360.0;
    } else {
        target = angle;
    }
}

} // namespace

void MovementTimer_Timer(FlightState& state, FlightScene& scene, RandomSource& random)
{
    double target = 0.0;
    FlyQueen(state, scene, random);
    PursueQueen(state, scene, target);
}

void FlyQueen(FlightState& state, FlightScene& scene, RandomSource& random)
{
    const double turn = std::floor(kJitterSpan * random.NextRandom() - 15.0);
    std::int16_t heading = ToInt16(turn + state.QueenHeading);
    if (heading < 0) {
        heading = AddInt16(heading, 360);
    }
    if (heading >= 360) {
        heading = AddInt16(heading, -360);
    }
    state.QueenHeading = heading;

    scene.SetQueenLeft(static_cast<float>(kStep * HeadingSin(heading) + scene.QueenLeft()));
    scene.SetQueenTop(static_cast<float>(kStep * HeadingCos(heading) + scene.QueenTop()));

    // The margins are twice the queen's box side; the right one uses her height, as the
    // bottom one does. Each bound is rounded to single precision before the comparison.
    const float left = scene.QueenLeft();
    const float top = scene.QueenTop();
    const double width = scene.QueenWidth();
    const double height = scene.QueenHeight();
    const bool past_left = left < static_cast<float>(2.0 * width);
    const bool past_right = left > static_cast<float>(scene.WindowWidth() - 2.0 * height);
    const bool past_top = top < static_cast<float>(2.0 * height);
    const bool past_bottom = top > static_cast<float>(scene.WindowHeight() - 2.0 * height);
    if (past_left || past_right || past_top || past_bottom) {
        state.QueenHeading = OppositeHeading(state.QueenHeading);
    }
}

void PursueQueen(FlightState& state, FlightScene& scene, double& target)
{
    for (int n = 1; n <= kDroneCount; ++n) {
        DroneState& drone = DroneRecord(state, n);

        const double centre_x = scene.QueenWidth() / 2.0 + scene.QueenLeft();
        const double centre_y = scene.QueenHeight() / 2.0 + scene.QueenTop();
        const auto dx = static_cast<float>(centre_x - drone.X);
        const auto dy = static_cast<float>(centre_y - drone.Y);
        AimAt(dx, dy, target);

        // Turn the shorter way round: lift whichever of heading and target is lower by
        // a full circle when they are more than half a circle apart.
        if (std::abs(drone.Heading - target) > 180.0) {
            if (drone.Heading < target) {
                drone.Heading = AddInt16(drone.Heading, 360);
            } else {
                target += 360.0;
            }
        }
        drone.Heading = ToInt16(drone.Heading + (target - drone.Heading) / 4.0);
        if (drone.Heading >= 360) {
            drone.Heading = AddInt16(drone.Heading, -360);
        }

        // The body trails behind the head, opposite the new heading.
        const std::int16_t tail = OppositeHeading(drone.Heading);
        drone.X = ToInt32(kStep * HeadingSin(drone.Heading) + drone.X);
        scene.SetDroneLineX(n, static_cast<float>(drone.X),
                            static_cast<float>(drone.Length * HeadingSin(tail) + drone.X));
        drone.Y = ToInt32(kStep * HeadingCos(drone.Heading) + drone.Y);
        scene.SetDroneLineY(n, static_cast<float>(drone.Y),
                            static_cast<float>(drone.Length * HeadingCos(tail) + drone.Y));
    }
}

} // namespace drelk
