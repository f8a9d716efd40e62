// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The window under a Wayland compositor that leaves the frame to the program (GNOME,
// weston): Qt draws it, and the outer size that the queen's margins are measured against is
// the client area with that frame. Run by tests/e2e/in_weston.py, not on the offscreen
// platform.

#include "flight/designed_layout.h"
#include "flight/movement_tick.h"
#include "tests/window/hive/hive_harness.h"

#include <QGuiApplication>
#include <QTest>

using namespace drelk;
using drelk::tests::RecordedReport;
using drelk::tests::TickGate;
using drelk::window::Hive;

namespace {

// Qt's own frame on Wayland: 3 pixels left, right and bottom and a 30-pixel title bar,
// which at 96 dpi (15 twips to the pixel) the manual gives in twips.
constexpr float kFramedWidth = kDesignedClientWidth + 90.0f;
constexpr float kFramedHeight = kDesignedClientHeight + 495.0f;

// The queen's heading after one flight step from `top`, in a window of this outer size.
std::int16_t HeadingAfterStep(const FlightState& state, const MersenneRandom& random, float left,
                              float top, float width, float height)
{
    FlightState twin = state;
    MersenneRandom draws = random;
    PlainScene scene(width, height);
    scene.SetQueenLeft(left);
    scene.SetQueenTop(top);
    FlyQueen(twin, scene, draws);
    return twin.QueenHeading;
}

} // namespace

TEST(HiveOnWayland, TheQueenTurnsAtTheOuterEdgesOfQtsOwnFrame)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    RecordedReport report;
    MersenneRandom random(20261207);
    Hive hive(random, report.Seam());
    TickGate gate(hive);
    tests::ShowAndWait(hive);
    // The frame comes with the first configure from the compositor.
    ASSERT_TRUE(QTest::qWaitFor([&] { return hive.frameGeometry().height() > hive.height(); }));

    EXPECT_EQ(hive.WindowWidth(), kFramedWidth);
    EXPECT_EQ(hive.WindowHeight(), kFramedHeight);

    // Between the bottom margin line of the bare client area and that of the framed window:
    // she turns only if the client area alone counted.
    const float left = 4000.0f;
    const float top = kDesignedClientHeight - 2 * kQueenHeight + 250.0f;
    hive.SetQueenLeft(left);
    hive.SetQueenTop(top);
    const std::int16_t framed =
        HeadingAfterStep(hive.State(), random, left, top, kFramedWidth, kFramedHeight);
    const std::int16_t bare = HeadingAfterStep(hive.State(), random, left, top,
                                               kDesignedClientWidth, kDesignedClientHeight);
    ASSERT_NE(framed, bare);

    gate.Send();
    EXPECT_EQ(hive.State().QueenHeading, framed);
    EXPECT_TRUE(report.told.empty());
}
