// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// A fault in a handler: caught where the handler starts, reported once, the timer
// stopped, and the program asked to end with a non-zero status.

#include "flight/flight_fault.h"
#include "tests/window/hive_harness.h"
#include "window/error_report.h"
#include "window/screen_modes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

using namespace drelk;
using drelk::kExitFlightFault;
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
    EXPECT_EQ(report.ended, std::vector<int>{kExitFlightFault});

    // A tick that was already on its way does nothing more.
    QTimerEvent late(timer);
    QCoreApplication::sendEvent(&hive, &late);
    EXPECT_EQ(report.told.size(), 1u);
    EXPECT_EQ(report.ended.size(), 1u);
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
    EXPECT_EQ(report.ended, std::vector<int>{kExitFlightFault});
}

TEST(HiveFault, TheRunningProgramLeavesItsEventLoopWithTheFaultStatus)
{
    // The desktop's own ending; only the box is replaced.
    window::FaultReport seam = window::DesktopFaultReport();
    QStringList told;
    seam.tell = [&](QWidget*, const QString& message) { told << message; };
    FailingRandom random(kScatterDraws);
    Hive hive(random, seam);
    hive.show();

    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // never hang the run
    EXPECT_EQ(QCoreApplication::exec(), kExitFlightFault);
    EXPECT_EQ(told.size(), 1);
    EXPECT_FALSE(hive.IsAnimating());
}

TEST(HiveFault, TheDesktopReportWritesTheLineAndShowsAModalBoxTitledTheDrelk)
{
    const std::string log_path = testing::TempDir() + "drelk_fault_report_stderr";
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    ASSERT_TRUE(std::freopen(log_path.c_str(), "w", stderr));

    QString title;
    QString text;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            modal = box->isModal();
            box->accept();
        }
    });
    QTimer::singleShot(5000, [] {
        if (QWidget* stuck = QApplication::activeModalWidget()) {
            stuck->close();
        }
    });
    window::DesktopFaultReport().tell(nullptr, window::FaultMessage(QStringLiteral("test")));

    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    close(saved);
    std::ifstream log(log_path);
    std::stringstream written;
    written << log.rdbuf();

    EXPECT_EQ(title, QStringLiteral("The Drelk"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(text, window::FaultMessage(QStringLiteral("test")));
    // The first line is the report; Qt's offscreen platform may add notes of its own.
    std::string first_line;
    std::getline(written, first_line);
    EXPECT_EQ(first_line, "drelk: " + text.toStdString());
}

TEST(HiveFault, DrawingForAScreensaverTheReportIsTheLineAloneWithNoBoxToBlockOn)
{
    const std::string log_path = testing::TempDir() + "drelk_saver_fault_report_stderr";
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    ASSERT_TRUE(std::freopen(log_path.c_str(), "w", stderr));

    bool boxed = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            boxed = true;
            box->close();
        }
    });
    window::ShowMode mode;
    mode.place = window::ShowMode::Place::Root;
    window::FaultReportFor(mode).tell(nullptr, window::FaultMessage(QStringLiteral("test")));
    QCoreApplication::processEvents(); // the look for a box, had none run it already

    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    close(saved);
    std::ifstream log(log_path);
    std::string first_line;
    std::getline(log, first_line);
    EXPECT_FALSE(boxed);
    EXPECT_EQ(first_line, "drelk: " + window::FaultMessage(QStringLiteral("test")).toStdString());
}
