// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "tests/support/flight_invariants.h"

#include "flight/heading.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace drelk::tests {
namespace {

// Half of a drone's rounding: each coordinate of its head is rounded to a whole twip.
const double kHeadRoundingSlack = std::sqrt(0.5) + 1e-9;
constexpr double kStep = 50.0;

template <typename... Values> std::string Describe(const char* format, Values... values)
{
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// The gap from |v| to the next float up: the most that rounding to float can move v by,
// twice over.
double FloatUlp(float v)
{
    const float magnitude = std::abs(v);
    return std::nextafter(magnitude, std::numeric_limits<float>::infinity()) - magnitude;
}

bool InCompass(std::int16_t heading) { return heading >= 0 && heading <= 359; }

std::optional<std::string> CheckRecordZero(const FlightState& state)
{
    const DroneState& zero = state.Drones[0];
    if (zero.Heading != 0 || zero.X != 0 || zero.Y != 0 || zero.Length != 0) {
        return Describe("record 0 was written: heading %d, head (%d, %d), length %d", zero.Heading,
                        zero.X, zero.Y, zero.Length);
    }
    return std::nullopt;
}

// The line runs from the head for `Length` twips opposite the heading. Its ends are set as
// floats, so each end may be off by half a float step at its magnitude.
std::optional<std::string> CheckLine(int n, const DroneState& drone, const LineEnds& line)
{
    if (!std::isfinite(line.x1) || !std::isfinite(line.y1) || !std::isfinite(line.x2) ||
        !std::isfinite(line.y2)) {
        return Describe("drone %d: line (%g, %g)-(%g, %g) is not finite", n, line.x1, line.y1,
                        line.x2, line.y2);
    }
    if (line.x1 != static_cast<float>(drone.X) || line.y1 != static_cast<float>(drone.Y)) {
        return Describe("drone %d: line starts at (%.9g, %.9g), not at its head (%d, %d)", n,
                        line.x1, line.y1, drone.X, drone.Y);
    }
    const double flight = DegreesToRadians(drone.Heading);
    const double want_x = -drone.Length * std::sin(flight);
    const double want_y = -drone.Length * std::cos(flight);
    const double got_x = static_cast<double>(line.x2) - line.x1;
    const double got_y = static_cast<double>(line.y2) - line.y1;
    const double slack_x = (FloatUlp(line.x1) + FloatUlp(line.x2)) / 2 + 1e-6;
    const double slack_y = (FloatUlp(line.y1) + FloatUlp(line.y2)) / 2 + 1e-6;
    if (std::abs(got_x - want_x) > slack_x || std::abs(got_y - want_y) > slack_y) {
        return Describe("drone %d: line (%.9g, %.9g)-(%.9g, %.9g) is not %d twips behind "
                        "heading %d; the tail should be %.9g, %.9g from the head",
                        n, line.x1, line.y1, line.x2, line.y2, drone.Length, drone.Heading, want_x,
                        want_y);
    }
    return std::nullopt;
}

} // namespace

FlightSnapshot TakeSnapshot(const FlightState& state, const PlainScene& scene)
{
    return FlightSnapshot{state, scene.QueenLeft(), scene.QueenTop()};
}

std::optional<std::string> CheckAfterScatter(const FlightState& state, const PlainScene& scene)
{
    if (!InCompass(state.QueenHeading)) {
        return Describe("queen heading %d after the scatter", state.QueenHeading);
    }
    const double width = scene.WindowWidth();
    const double height = scene.WindowHeight();
    for (int n = 1; n <= kDroneCount; ++n) {
        const DroneState& drone = state.Drones[static_cast<std::size_t>(n)];
        if (!InCompass(drone.Heading) || drone.Length < 100 || drone.Length > 299) {
            return Describe("drone %d: heading %d, length %d after the scatter", n, drone.Heading,
                            drone.Length);
        }
        if (drone.X < 0 || drone.X >= width || drone.Y < 0 || drone.Y >= height) {
            return Describe("drone %d: head (%d, %d) outside the %.0f x %.0f window", n, drone.X,
                            drone.Y, width, height);
        }
        if (auto broken = CheckLine(n, drone, scene.Line(n))) {
            return broken;
        }
    }
    return CheckRecordZero(state);
}

std::optional<std::string> CheckAfterTick(const FlightSnapshot& before, const FlightState& state,
                                          const PlainScene& scene)
{
    if (!InCompass(state.QueenHeading)) {
        return Describe("queen heading %d", state.QueenHeading);
    }
    const float left = scene.QueenLeft();
    const float top = scene.QueenTop();
    if (!std::isfinite(left) || !std::isfinite(top)) {
        return Describe("queen at (%g, %g)", left, top);
    }
    const double queen_step = std::hypot(static_cast<double>(left) - before.queen_left,
                                         static_cast<double>(top) - before.queen_top);
    const double queen_slack = std::hypot(FloatUlp(left), FloatUlp(top)) / 2 + 1e-9;
    if (std::abs(queen_step - kStep) > queen_slack) {
        return Describe("queen moved %.9g twips, from (%.9g, %.9g) to (%.9g, %.9g)", queen_step,
                        before.queen_left, before.queen_top, left, top);
    }

    for (int n = 1; n <= kDroneCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const DroneState& was = before.state.Drones[i];
        const DroneState& drone = state.Drones[i];
        if (!InCompass(drone.Heading)) {
            return Describe("drone %d: heading %d", n, drone.Heading);
        }
        if (drone.Length != was.Length) {
            return Describe("drone %d: length changed from %d to %d", n, was.Length, drone.Length);
        }
        const double step =
            std::hypot(static_cast<double>(drone.X) - was.X, static_cast<double>(drone.Y) - was.Y);
        if (std::abs(step - kStep) > kHeadRoundingSlack) {
            return Describe("drone %d: head moved %.9g twips, from (%d, %d) to (%d, %d)", n, step,
                            was.X, was.Y, drone.X, drone.Y);
        }
        if (auto broken = CheckLine(n, drone, scene.Line(n))) {
            return broken;
        }
    }
    return CheckRecordZero(state);
}

} // namespace drelk::tests
