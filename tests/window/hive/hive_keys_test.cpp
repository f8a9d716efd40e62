// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The window's keys: Space pauses without changing the flight, F11 and Escape switch full
// screen, where the queen turns at the screen's edges, and Ctrl+Q ends the program.

#include "tests/window/hive/hive_harness.h"
#include "window/hive/hive_keys.h"

#include <QScreen>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace drelk;
using drelk::tests::RecordedReport;
using drelk::tests::TickGate;
using drelk::window::Hive;
using drelk::window::HiveKeys;
namespace harness = drelk::tests;

namespace {

constexpr std::uint64_t kSeed = 20261207;

} // namespace

TEST(HiveKeys, SpacePausesWithNoWakeupsAndTheFlightGoesOnAsIfUnpaused)
{
    RecordedReport report;
    MersenneRandom random(kSeed), twin_random(kSeed);
    Hive hive(random, report.Seam());
    Hive twin(twin_random, report.Seam());
    HiveKeys keys(hive);
    harness::ShowAndWait(hive);
    harness::ShowAndWait(twin);
    std::optional<TickGate> gate(hive);
    TickGate twin_gate(twin);

    for (int tick = 0; tick < 20; ++tick) {
        gate->Send();
    }
    // The keys are the hive's window's, which the twin, shown later, took the focus from.
    hive.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&hive));
    QTest::keyClick(&hive, Qt::Key_Space);
    ASSERT_TRUE(hive.IsPaused());
    EXPECT_FALSE(hive.IsAnimating());
    // Held down, the key repeats; the repeats do not resume the flight.
    QTest::simulateEvent(&hive, true, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    ASSERT_TRUE(hive.IsPaused());
    // Ungated for four ticks' time: a timer still running would move the flight on.
    gate.reset();
    const FlightState held = hive.State();
    QTest::qWait(4 * Hive::kTickMilliseconds);
    EXPECT_EQ(hive.State().QueenHeading, held.QueenHeading);
    EXPECT_EQ(hive.State().Drones[1].X, held.Drones[1].X);
    gate.emplace(hive);

    QTest::keyClick(&hive, Qt::Key_Space);
    EXPECT_FALSE(hive.IsPaused());
    EXPECT_TRUE(hive.IsAnimating());
    for (int tick = 0; tick < 20; ++tick) {
        gate->Send();
    }
    for (int tick = 0; tick < 40; ++tick) {
        twin_gate.Send();
    }
    harness::ExpectSameFlight(hive, twin);
    EXPECT_TRUE(report.told.empty());
}

TEST(HiveKeys, F11AndEscapeSwitchFullScreenWhoseEdgesAreTheScreensAndCtrlQQuits)
{
    RecordedReport report;
    MersenneRandom random(kSeed);
    Hive hive(random, report.Seam());
    HiveKeys keys(hive);
    harness::ShowAndWait(hive);
    const float framed_width = hive.WindowWidth();
    const QSize screen = hive.screen()->geometry().size();

    QTest::keyClick(&hive, Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hive.isFullScreen() && hive.size() == screen; }));
    EXPECT_EQ(hive.WindowWidth(), hive.Scale().XToTwips(screen.width()));
    EXPECT_EQ(hive.WindowHeight(), hive.Scale().YToTwips(screen.height()));

    QTest::keyClick(&hive, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hive.isFullScreen() && hive.size() != screen; }));
    EXPECT_EQ(hive.WindowWidth(), framed_width);
    // Q without Ctrl is not the quit key.
    QTest::keyClick(&hive, Qt::Key_Q);
    EXPECT_TRUE(hive.isVisible());

    QTimer::singleShot(0, &hive, [&] { QTest::keyClick(&hive, Qt::Key_Q, Qt::ControlModifier); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // never hang the run
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(hive.isVisible());
    EXPECT_TRUE(report.told.empty());
}
