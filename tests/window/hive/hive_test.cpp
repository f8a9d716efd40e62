// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The Hive as the flight sees it: its description, the scatter before the first show,
// ticks through its timer, resizing, and closing.

#include "flight/designed_layout.h"
#include "flight/movement_tick.h"
#include "flight/rescatter.h"
#include "flight/scatter.h"
#include "simulator/csv_report.h"
#include "simulator/simulation.h"
#include "tests/window/hive/hive_harness.h"
#include "tests/window/hive/tick_counter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace drelk;
using drelk::PlainScene;
using drelk::tests::RecordedReport;
using drelk::window::Hive;
namespace harness = drelk::tests;

namespace {

constexpr std::uint64_t kSeed = 20261207;

// Takes a snapshot of the window's elements the moment it is first shown.
class FirstShowWitness final : public QObject {
public:
    explicit FirstShowWitness(const Hive& hive) : hive_(hive) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !seen) {
            seen = true;
            scene = harness::SceneOf(hive_);
        }
        return false;
    }

    bool seen = false;
    PlainScene scene{0, 0};

private:
    const Hive& hive_;
};

} // namespace

TEST(HiveWindow, CarriesItsTitleDesignedClientSizeAndBeeIcon)
{
    RecordedReport report;
    MersenneRandom random(kSeed);
    Hive hive(random, report.Seam());

    EXPECT_EQ(hive.windowTitle(), QStringLiteral("The Drelk"));
    EXPECT_EQ(hive.Scale().XToTwips(hive.width()), kDesignedClientWidth);
    EXPECT_EQ(hive.Scale().YToTwips(hive.height()), kDesignedClientHeight);
    // Before the first show the outer size is the designed client size.
    EXPECT_EQ(hive.WindowWidth(), kDesignedOuterWidth);
    EXPECT_EQ(hive.WindowHeight(), kDesignedOuterHeight);
    // The bee: 32 x 32, drawn on a transparent background.
    const QImage icon = hive.windowIcon().pixmap(32, 32).toImage();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(icon.pixelColor(16, 20).alpha(), 255);
    EXPECT_TRUE(report.told.empty());
}

TEST(HiveWindow, FirstShowFindsTheQueenAtHerStartAndEveryLineScattered)
{
    RecordedReport report;
    MersenneRandom random(kSeed);
    Hive hive(random, report.Seam());
    FirstShowWitness witness(hive);
    hive.installEventFilter(&witness);
    harness::ShowAndWait(hive);
    ASSERT_TRUE(witness.seen);

    // The same scatter over the designed size, without a window.
    PlainScene expected(kDesignedOuterWidth, kDesignedOuterHeight);
    FlightState expected_state;
    MersenneRandom twin(kSeed);
    ScatterDrones(expected_state, expected, twin);

    EXPECT_EQ(witness.scene.QueenLeft(), 3960.0f);
    EXPECT_EQ(witness.scene.QueenTop(), 3000.0f);
    EXPECT_EQ(hive.QueenWidth(), 375.0f);
    EXPECT_EQ(hive.QueenHeight(), 435.0f);
    for (int n = 1; n <= kDroneCount; ++n) {
        const LineEnds& seen = witness.scene.Line(n);
        const LineEnds& scattered = expected.Line(n);
        EXPECT_EQ(seen.x1, scattered.x1) << "drone " << n;
        EXPECT_EQ(seen.y1, scattered.y1) << "drone " << n;
        EXPECT_EQ(seen.x2, scattered.x2) << "drone " << n;
        EXPECT_EQ(seen.y2, scattered.y2) << "drone " << n;
    }
    // Scattered lines are spread out, not left at the origin.
    EXPECT_NE(witness.scene.Line(1).x1, witness.scene.Line(2).x1);
}

TEST(HiveWindow, EachTickMovesTheElementsExactlyAsTheFlightSays)
{
    RecordedReport report;
    MersenneRandom random(kSeed);
    Hive hive(random, report.Seam());
    harness::ShowAndWait(hive);
    ASSERT_TRUE(hive.IsAnimating());

    for (int tick = 1; tick <= 60; ++tick) {
        // The flight without a window, from the window's own state and a twin generator.
        PlainScene expected = harness::SceneOf(hive);
        FlightState expected_state = hive.State();
        MersenneRandom twin = random;
        MovementTimer_Timer(expected_state, expected, twin);

        harness::SendTick(hive);
        SCOPED_TRACE(tick);
        harness::ExpectSameState(hive.State(), expected_state);
        harness::ExpectSameElements(hive, expected);
        ASSERT_FALSE(testing::Test::HasFailure());
    }
    // Each head stands where its drone record says.
    for (int n = 1; n <= kDroneCount; ++n) {
        const DroneState& drone = hive.State().Drones[static_cast<std::size_t>(n)];
        EXPECT_EQ(hive.Drone(n).X1(), static_cast<float>(drone.X));
        EXPECT_EQ(hive.Drone(n).Y1(), static_cast<float>(drone.Y));
    }
    EXPECT_TRUE(report.told.empty());
}

TEST(HiveWindow, ResizingMovesTheReversalEdgesButNoElement)
{
    RecordedReport report;
    MersenneRandom random(kSeed);
    Hive hive(random, report.Seam());
    harness::ShowAndWait(hive);
    harness::SendTick(hive);

    const PlainScene before = harness::SceneOf(hive);
    const FlightState state_before = hive.State();
    // Narrow enough that the queen, near the middle of the designed window, is past the
    // right-hand margin line of the small one.
    hive.resize(200, 150);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hive.width() == 200 && hive.height() == 150; }));
    EXPECT_EQ(hive.WindowWidth(), hive.Scale().XToTwips(hive.frameGeometry().width()));
    EXPECT_EQ(hive.WindowHeight(), hive.Scale().YToTwips(hive.frameGeometry().height()));
    EXPECT_LT(hive.WindowWidth(), before.WindowWidth());

    // Nothing moved, and the flight state is as it was.
    harness::ExpectSameElements(hive, before);
    harness::ExpectSameState(hive.State(), state_before);

    // The next tick turns at the new edges.
    PlainScene small = harness::SceneOf(hive);
    FlightState small_state = hive.State();
    MersenneRandom small_twin = random;
    MovementTimer_Timer(small_state, small, small_twin);
    PlainScene large = before;
    FlightState large_state = state_before;
    MersenneRandom large_twin = random;
    MovementTimer_Timer(large_state, large, large_twin);
    ASSERT_NE(small_state.QueenHeading, large_state.QueenHeading)
        << "the chosen sizes must make the edge test differ";

    harness::SendTick(hive);
    harness::ExpectSameState(hive.State(), small_state);
    harness::ExpectSameElements(hive, small);
}

TEST(HiveWindow, TheTimerTicksEveryHundredMillisecondsThroughTheEventLoop)
{
    RecordedReport report;
    MersenneRandom random(kSeed);
    Hive hive(random, report.Seam());
    harness::TickCounter counter(hive);
    harness::ShowAndWait(hive);
    const float left = hive.QueenLeft();
    const float top = hive.QueenTop();

    // About a second of event loop: ten ticks, give or take one for where the second
    // starts and for a busy machine's late wake-ups (a late tick is not made up).
    QElapsedTimer clock;
    clock.start();
    counter.ticks = 0;
    QTest::qWait(1000);
    const auto expected = static_cast<int>(clock.elapsed() / Hive::kTickMilliseconds);
    EXPECT_GE(counter.ticks, expected - 2);
    EXPECT_LE(counter.ticks, expected + 1);
    EXPECT_TRUE(hive.QueenLeft() != left || hive.QueenTop() != top);
    EXPECT_TRUE(report.told.empty());
}

TEST(HiveWindow, ClosingTheWindowEndsTheEventLoopWithStatusZero)
{
    RecordedReport report;
    MersenneRandom random(kSeed);
    Hive hive(random, report.Seam());
    harness::ShowAndWait(hive);

    QTimer::singleShot(0, &hive, [&] { hive.close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // never hang the run
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(hive.isVisible());
    EXPECT_TRUE(report.told.empty());
}

// A hive that will fill a screen or another program's window spreads its drones over that.
TEST(HiveWindow, ScattersOverWhatItWillFillWhenThatIsKnown)
{
    RecordedReport report;
    MersenneRandom random(kSeed), twin(kSeed);
    const QSize screen(1280, 1024);
    Hive hive(random, report.Seam(), screen);
    PlainScene expected(hive.Scale().XToTwips(screen.width()),
                        hive.Scale().YToTwips(screen.height()));
    FlightState expected_state;
    ScatterDrones(expected_state, expected, twin);
    harness::ExpectSameState(hive.State(), expected_state);
    harness::ExpectSameElements(hive, expected);
}

// Seeded alike, the window flies drelk-sim's flight: its scatter over the designed window,
// its ticks in the window's outer size once shown, and, begun again every 2 s or by auto
// (here once the drones have gathered, after 20 s), each new scatter over that size in place
// of the same tick.
TEST(HiveWindow, FliesAsTheSimulatorWithTheSameSeed)
{
    constexpr std::uint64_t kSimSeed = 7;
    constexpr int kTicks = 260;
    for (const std::uint64_t rescatter : {std::uint64_t{0}, std::uint64_t{2}, kRescatterAuto}) {
        SCOPED_TRACE(rescatter);
        RecordedReport report;
        MersenneRandom random(kSimSeed);
        Hive hive(random, report.Seam());
        hive.SetRescatterSeconds(rescatter);
        harness::TickGate gate(hive);
        harness::ShowAndWait(hive);
        hive.resize(200, 150); // so small that the queen turns on the first tick
        ASSERT_TRUE(QTest::qWaitFor([&] { return hive.size() == QSize(200, 150); }));
        for (int tick = 0; tick < kTicks; ++tick) {
            gate.Send();
        }

        sim::SimOptions options;
        options.ticks = kTicks;
        options.seed = kSimSeed;
        options.rescatter_seconds = rescatter;
        options.resizes = {
            {1, {std::lround(hive.WindowWidth()), std::lround(hive.WindowHeight())}}};
        MersenneRandom sim_random(kSimSeed);
        char* csv = nullptr;
        std::size_t csv_size = 0;
        std::FILE* out = open_memstream(&csv, &csv_size);
        ASSERT_NE(out, nullptr);
        sim::RunSimulation(options, sim_random, out);
        std::fclose(out);
        const std::string rows(csv, csv_size);
        std::free(csv);

        std::string row;
        sim::AppendCsvRow(row, kTicks, hive.State(), harness::SceneOf(hive));
        EXPECT_EQ(rows.substr(rows.rfind('\n', rows.size() - 2) + 1), row);
        // The queen back at her start in a row after tick 0: the flight did begin again.
        EXPECT_EQ(rows.find(",3960,3000,", rows.find("\n1,")) != std::string::npos, rescatter != 0);
    }
}
