// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// How the program reports a failed flight where the hive is shown: the line on standard
// error always, a box only in the hive's own window, and the end with the fault's status.

#include "tests/support/scripted_random.h"
#include "tests/window/hive/hive_harness.h"
#include "window/command_line.h"
#include "window/exit_status.h"
#include "window/show_mode.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace drelk;
using drelk::window::ShowMode;

TEST(FaultReportFor, TheRunningProgramLeavesItsEventLoopWithTheFaultStatus)
{
    window::FaultReport seam = window::FaultReportFor(ShowMode{});
    QStringList told;
    seam.tell = [&](QWidget*, const QString& message) { told << message; }; // no box
    // The scatter's draws, and none for the first tick.
    tests::ScriptedRandom random(std::vector<float>(41, 0.5f));
    window::Hive hive(random, seam);
    hive.show();

    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // never hang the run
    EXPECT_EQ(QCoreApplication::exec(), window::kExitFlightFault);
    EXPECT_EQ(told.size(), 1);
    EXPECT_FALSE(hive.IsAnimating());
}

// Its own window shows a modal box titled "The Drelk"; drawing for a screensaver, which
// holds the keyboard and the mouse, it shows none. The line on standard error comes first.
TEST(FaultReportFor, WritesTheLineAndABoxOnlyInTheHivesOwnWindow)
{
    for (const auto& [place, boxed] : {std::pair{ShowMode::Place::Window, true},
                                       {ShowMode::Place::FullScreen, true},
                                       {ShowMode::Place::Root, false},
                                       {ShowMode::Place::WindowId, false}}) {
        SCOPED_TRACE(static_cast<int>(place));
        const std::string log_path = testing::TempDir() + "drelk_fault_report_stderr";
        std::fflush(stderr);
        const int saved = dup(fileno(stderr));
        ASSERT_TRUE(std::freopen(log_path.c_str(), "w", stderr));

        QString title, text;
        bool shown = false, modal = false;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = true;
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
        ShowMode mode;
        mode.place = place;
        const QString message = window::FaultMessage(QStringLiteral("test"));
        window::FaultReportFor(mode).tell(nullptr, message);
        QCoreApplication::processEvents(); // the look for a box, had none run it already

        std::fflush(stderr);
        dup2(saved, fileno(stderr));
        close(saved);
        std::ifstream log(log_path);
        // The first line is the report; Qt's offscreen platform may add notes of its own.
        std::string first_line;
        std::getline(log, first_line);
        EXPECT_EQ(first_line, "drelk: " + message.toStdString());
        EXPECT_EQ(shown, boxed);
        if (boxed) {
            EXPECT_EQ(title, QStringLiteral("The Drelk"));
            EXPECT_TRUE(modal);
            EXPECT_EQ(text, message);
        }
    }
}

// The hive's own window flies as designed unless asked; the places made for leaving it on
// begin the flight again every minute unless told otherwise.
TEST(DefaultRescatterSeconds, NeverInTheHivesOwnWindowAMinuteWhereItIsLeftOn)
{
    const auto period = [](std::vector<const char*> args) {
        args.insert(args.begin(), "drelk");
        const window::CommandLine command =
            window::ReadCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
        return command.exit_status ? 999u : command.options.rescatter_seconds;
    };
    EXPECT_EQ(period({}), 0u);
    EXPECT_EQ(period({"--fullscreen"}), 0u);
    EXPECT_EQ(period({"--root"}), 60u);
    EXPECT_EQ(period({"--saver"}), 60u);
    EXPECT_EQ(period({"--window-id", "0x2a"}), 60u);
    EXPECT_EQ(period({"--root", "--rescatter", "0"}), 0u);
}
