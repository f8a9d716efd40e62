// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// A fault in a handler: caught where the handler starts, reported once, the timer
// stopped, and the program asked to end.

#include "flight/flight_fault.h"
#include "tests/window/hive/hive_harness.h"

#include <QCoreApplication>
#include <QTimerEvent>

#include <limits>

using namespace drelk;
using drelk::tests::RecordedReport;
using drelk::window::Hive;
namespace harness = drelk::tests;

namespace {

// Good draws until `good` have been made, then a value no rule can turn into a heading,
// which the flight code reports as a fault of its own.
class FailingRandom final : public RandomSource {
public:
    explicit FailingRandom(std::size_t good) : good_(good) {}
    void SeedRandom() override {}
    float NextRandom() override
    {
        return drawn_++ < good_ ? 0.25f : std::numeric_limits<float>::quiet_NaN();
    }

private:
    std::size_t good_;
    std::size_t drawn_ = 0;
};

constexpr std::size_t kScatterDraws = 41;

} // namespace

TEST(HiveFault, AFaultyTickStopsTheTimerReportsOnceAndAsksForAFaultExit)
{
    RecordedReport report;
    FailingRandom random(kScatterDraws);
    Hive hive(random, report.Seam());
    ASSERT_TRUE(report.told.empty());
    ASSERT_TRUE(hive.IsAnimating());
    const int timer = hive.MovementTimerId();

    harness::SendTick(hive);
    EXPECT_FALSE(hive.IsAnimating());
    EXPECT_TRUE(hive.HasFailed());
    ASSERT_EQ(report.told.size(), 1u);
    // The program's own words: what happened, and that it will close.
    EXPECT_TRUE(report.told[0].contains(QStringLiteral("nan"), Qt::CaseInsensitive))
        << report.told[0].toStdString();
    EXPECT_TRUE(report.told[0].contains(QStringLiteral("will now close")));
    EXPECT_EQ(report.ended, 1);

    // A tick that was already on its way does nothing more.
    QTimerEvent late(timer);
    QCoreApplication::sendEvent(&hive, &late);
    EXPECT_EQ(report.told.size(), 1u);
    EXPECT_EQ(report.ended, 1);
}

TEST(HiveFault, ADroneLineOutsideOneToTenIsAFaultOfTheFlight)
{
    RecordedReport report;
    MersenneRandom random(7);
    Hive hive(random, report.Seam());
    EXPECT_THROW(hive.SetDroneLineX(0, 1, 2), FlightFault);
    EXPECT_THROW(hive.SetDroneLineY(11, 1, 2), FlightFault);
    EXPECT_THROW(static_cast<void>(hive.Drone(-1)), FlightFault);
}

TEST(HiveFault, AFaultyScatterIsReportedBeforeTheWindowEverShows)
{
    RecordedReport report;
    FailingRandom random(0);
    Hive hive(random, report.Seam());
    EXPECT_TRUE(hive.HasFailed());
    EXPECT_FALSE(hive.IsAnimating());
    EXPECT_FALSE(hive.isVisible());
    EXPECT_EQ(report.told.size(), 1u);
    EXPECT_EQ(report.ended, 1);
}
