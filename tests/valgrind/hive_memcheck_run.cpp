// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// hive_memcheck_run: the real window, set up as the drelk program sets it up, flying 50
// ticks of its own 100 ms timer (resized half-way), then closed, so that memcheck watches
// every allocation, read and write of a whole life of the window. Exits 0 when all 50 ticks
// ran and the window closed without a fault; 1 otherwise.

#include "flight/random_source.h"
#include "tests/window/hive/tick_counter.h"
#include "window/hive/fault_report.h"
#include "window/hive/hive.h"
#include "window/program_identity.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QTimerEvent>

#include <cstdio>

using namespace drelk;

namespace {

constexpr int kTicks = 50;
// Memcheck runs Qt many times slower; this only stops a run that has hung.
constexpr int kWatchdogMilliseconds = 120000;

} // namespace

int main(int argc, char** argv)
{
    window::DescribeProgram();
    QApplication app(argc, argv);
    app.setWindowIcon(window::ProgramIcon());

    bool faulted = false;
    const window::FaultReport report{[](QWidget*, const QString& message) {
                                         std::fprintf(stderr, "hive_memcheck_run: %s\n",
                                                      qPrintable(message));
                                     },
                                     [&faulted] {
                                         faulted = true;
                                         QCoreApplication::exit(1);
                                     }};

    MersenneRandom random;
    window::Hive hive(random, report);
    // Half-way the window is resized, at the end closed, from the event loop as a user would.
    tests::TickCounter counter(hive, [&hive](int ticks) {
        if (ticks == kTicks / 2) {
            QTimer::singleShot(0, &hive, [&hive] { hive.resize(hive.size() * 3 / 2); });
        } else if (ticks == kTicks) {
            QTimer::singleShot(0, &hive, &QWidget::close);
        }
    });
    QTimer::singleShot(kWatchdogMilliseconds, &app, [] {
        std::fprintf(stderr, "hive_memcheck_run: no end after %d ms\n", kWatchdogMilliseconds);
        QCoreApplication::exit(1);
    });
    if (!hive.HasFailed()) {
        hive.show();
    }
    const int status = app.exec();

    std::printf("hive_memcheck_run: %d ticks, exit status %d%s\n", counter.ticks, status,
                faulted ? ", after a fault" : "");
    // On a busy machine the next tick can fall due before the close posted after the last
    // one is handled, so one tick more is a normal end.
    return status == 0 && !faulted && counter.ticks >= kTicks ? 0 : 1;
}
