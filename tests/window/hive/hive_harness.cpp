// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "tests/window/hive/hive_harness.h"

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

void ExpectSameState(const FlightState& actual, const FlightState& expected)
{
    EXPECT_EQ(actual.QueenHeading, expected.QueenHeading);
    for (int n = 0; n <= kDroneCount; ++n) {
        const DroneState& a = actual.Drones[static_cast<std::size_t>(n)];
        const DroneState& e = expected.Drones[static_cast<std::size_t>(n)];
        EXPECT_EQ(a.Heading, e.Heading) << "drone " << n;
        EXPECT_EQ(a.X, e.X) << "drone " << n;
        EXPECT_EQ(a.Y, e.Y) << "drone " << n;
        EXPECT_EQ(a.Length, e.Length) << "drone " << n;
    }
}

PlainScene SceneOf(const window::Hive& hive)
{
    PlainScene scene(hive.WindowWidth(), hive.WindowHeight());
    scene.SetQueenLeft(hive.QueenLeft());
    scene.SetQueenTop(hive.QueenTop());
    for (int n = 1; n <= kDroneCount; ++n) {
        const window::DroneLine& line = hive.Drone(n);
        scene.SetDroneLineX(n, line.X1(), line.X2());
        scene.SetDroneLineY(n, line.Y1(), line.Y2());
    }
    return scene;
}

void ExpectSameFlight(const window::Hive& actual, const window::Hive& expected)
{
    ExpectSameState(actual.State(), expected.State());
    ExpectSameElements(actual, SceneOf(expected));
}

double RegionArea(const QRegion& region)
{
    double area = 0;
    for (const QRect& rect : region) {
        area += static_cast<double>(rect.width()) * rect.height();
    }
    return area;
}

} // namespace drelk::tests
