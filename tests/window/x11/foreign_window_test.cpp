// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The hive drawn into the whole of a window it is given, as screensavers have it: no frame,
// and the same flight as the hive's own window of the same outer size.

#include "tests/window/hive/hive_harness.h"
#include "window/x11/foreign_window.h"

#include <QTest>
#include <QWindow>

using namespace drelk;
using drelk::tests::RecordedReport;
using drelk::tests::TickGate;
using drelk::window::Hive;
namespace harness = drelk::tests;

TEST(HiveInAnotherWindow, FillsItWithNoFrameAndFliesAsItsOwnWindowOfThatSize)
{
    constexpr std::uint64_t kSeed = 20261208;
    const QSize size(300, 200);
    RecordedReport report;
    QWindow host;
    host.resize(size);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    MersenneRandom random(kSeed), twin_random(kSeed);
    Hive hive(random, report.Seam());
    hive.SetFrameless(true);
    window::PlaceInside(hive, host, size);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hive));
    EXPECT_EQ(hive.windowHandle()->parent(), &host);
    EXPECT_EQ(hive.geometry(), QRect(QPoint(0, 0), size));
    EXPECT_EQ(hive.WindowWidth(), hive.Scale().XToTwips(size.width()));
    EXPECT_EQ(hive.WindowHeight(), hive.Scale().YToTwips(size.height()));

    // The hive's own window, framed, with the same outer size.
    Hive twin(twin_random, report.Seam());
    harness::ShowAndWait(twin);
    twin.resize(size - (twin.frameGeometry().size() - twin.size()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return twin.frameGeometry().size() == size; }));
    ASSERT_EQ(twin.WindowWidth(), hive.WindowWidth());
    ASSERT_EQ(twin.WindowHeight(), hive.WindowHeight());

    TickGate gate(hive), twin_gate(twin);
    harness::ExpectSameFlight(hive, twin); // the same start
    for (int tick = 1; tick <= 80; ++tick) {
        gate.Send();
        twin_gate.Send();
        SCOPED_TRACE(tick);
        harness::ExpectSameFlight(hive, twin);
        ASSERT_FALSE(testing::Test::HasFailure());
    }
    EXPECT_TRUE(report.told.empty());
}
