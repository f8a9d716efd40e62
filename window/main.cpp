// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// drelk: the queen and her ten drones, flying in a window.

#include "flight/random_source.h"
#include "window/command_line.h"
#include "window/display_opening.h"
#include "window/hive.h"
#include "window/program_end.h"
#include "window/program_identity.h"
#include "window/screen_modes.h"
#include "window/termination.h"
#include "window/x11_flush.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::window;

    EndAtOnceOnTerminate();
    DescribeProgram();
    const CommandLine command = ReadCommandLine(argc, argv);
    if (command.exit_status) {
        return *command.exit_status;
    }

    // Qt's own options go to QApplication in the form it reads; a display that cannot be
    // opened ends the program with one line and status 1.
    ArgumentVector qt_arguments(argv[0], command.options.qt_arguments);
    DisplayOpening opening(command.options.display);
    SendPixelsWithoutSharedMemory();
    QApplication app(qt_arguments.argc(), qt_arguments.argv());
    opening.Opened();
    app.setWindowIcon(ProgramIcon());

    MersenneRandom random;
    Hive hive(random, FaultReportFor(command.options.show));
    // A failed start-up scatter has already been reported and has queued the exit.
    if (!hive.HasFailed()) {
        if (const auto status = ShowHive(hive, command.options.show)) {
            return *status;
        }
    }
    // Closing the window, the last one, leaves the loop with status 0.
    return EndProgram(app.exec());
}
