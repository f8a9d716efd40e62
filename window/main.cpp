// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// drelk: the queen and her ten drones, flying in a window.

#include "translations/catalogues.h"
#include "window/command_line.h"
#include "window/display_opening.h"
#include "window/exit_status.h"
#include "window/platform_choice.h"
#include "window/program_end.h"
#include "window/program_identity.h"
#include "window/run_on_wayland_layers.h"
#include "window/run_on_x11.h"
#include "window/x11/mit_shm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::window;

    DescribeProgram();
    const CommandLine command = ReadCommandLine(argc, argv);
    if (command.exit_status) {
        return *command.exit_status;
    }
    const PlatformChoice choice = ChoosePlatform(command.options);

    // Qt's own options go to QApplication in the form it reads; a display that cannot be
    // opened ends the program with one line and status 1.
    ArgumentVector qt_arguments(argv[0], choice.qt_arguments);
    DisplayOpening opening(command.options.display);
    SendPixelsWithoutSharedMemory();
    QApplication app(qt_arguments.argc(), qt_arguments.argv());
    opening.Opened();
    InstallCatalogues();
    app.setWindowIcon(ProgramIcon());
    // Closing the window, the last one, ends the program the one way it ends.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { EndProgram(kExitOk); });
    return choice.platform == Platform::WaylandLayers ? RunOnLayers(command.options)
                                                      : RunOnX11(command.options);
}
