// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "tests/window/hive_harness.h"

#include "window/program_identity.h"

#include <QTest>

namespace drelk::tests {

void SendTick(window::Hive& hive)
{
    QTimerEvent tick(hive.MovementTimerId());
    QCoreApplication::sendEvent(&hive, &tick);
}

void ShowAndWait(window::Hive& hive)
{
    hive.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hive));
    QCoreApplication::processEvents();
}

void ExpectSameElements(const window::Hive& hive, const PlainScene& scene)
{
    EXPECT_EQ(hive.QueenLeft(), scene.QueenLeft());
    EXPECT_EQ(hive.QueenTop(), scene.QueenTop());
    for (int n = 1; n <= kDroneCount; ++n) {
        const window::DroneLine& line = hive.Drone(n);
        const LineEnds& expected = scene.Line(n);
        EXPECT_EQ(line.X1(), expected.x1) << "drone " << n;
        EXPECT_EQ(line.Y1(), expected.y1) << "drone " << n;
        EXPECT_EQ(line.X2(), expected.x2) << "drone " << n;
        EXPECT_EQ(line.Y2(), expected.y2) << "drone " << n;
    }
}

void ExpectSameFlight(const window::Hive& actual, const window::Hive& expected)
{
    const FlightState& a = actual.State();
    const FlightState& e = expected.State();
    EXPECT_EQ(a.QueenHeading, e.QueenHeading);
    for (int n = 1; n <= kDroneCount; ++n) {
        const DroneState& drone = a.Drones[static_cast<std::size_t>(n)];
        const DroneState& twin = e.Drones[static_cast<std::size_t>(n)];
        EXPECT_EQ(drone.Heading, twin.Heading) << "drone " << n;
        EXPECT_EQ(drone.X, twin.X) << "drone " << n;
        EXPECT_EQ(drone.Y, twin.Y) << "drone " << n;
        EXPECT_EQ(drone.Length, twin.Length) << "drone " << n;
    }
    PlainScene scene(expected.WindowWidth(), expected.WindowHeight());
    scene.SetQueenLeft(expected.QueenLeft());
    scene.SetQueenTop(expected.QueenTop());
    for (int n = 1; n <= kDroneCount; ++n) {
        const window::DroneLine& line = expected.Drone(n);
        scene.SetDroneLineX(n, line.X1(), line.X2());
        scene.SetDroneLineY(n, line.Y1(), line.Y2());
    }
    ExpectSameElements(actual, scene);
}

} // namespace drelk::tests
