// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// drelk: the queen and her ten drones, flying in a window.

#include "flight/random_source.h"
#include "translations/catalogues.h"
#include "window/command_line.h"
#include "window/display_opening.h"
#include "window/exit_status.h"
#include "window/hive/hive.h"
#include "window/layer_hives.h"
#include "window/program_end.h"
#include "window/program_identity.h"
#include "window/show_mode.h"
#include "window/x11/canvas.h"
#include "window/x11/mit_shm.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::window;

    DescribeProgram();
    const CommandLine command = ReadCommandLine(argc, argv);
    if (command.exit_status) {
        return *command.exit_status;
    }

    // Qt's own options go to QApplication in the form it reads; a display that cannot be
    // opened ends the program with one line and status 1.
    const bool on_layers = OnWaylandLayers(command.options.show, command.options.platform);
    ArgumentVector qt_arguments(argv[0], on_layers
                                             ? QtArgumentsForLayers(command.options.qt_arguments)
                                             : command.options.qt_arguments);
    DisplayOpening opening(command.options.display);
    SendPixelsWithoutSharedMemory();
    QApplication app(qt_arguments.argc(), qt_arguments.argv());
    opening.Opened();
    InstallCatalogues();
    app.setWindowIcon(ProgramIcon());
    // Closing the window, the last one, ends the program the one way it ends.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { EndProgram(kExitOk); });
    if (on_layers) {
        return RunOnLayers(command.options);
    }

    MersenneRandom random(command.options.seed);
    // On X11 the hive paints its window itself; elsewhere Qt's backing store paints it.
    const std::unique_ptr<X11Canvas> x11 = X11Canvas::ForThisDisplay();
    Hive hive(random, FaultReportFor(command.options.show), FilledSize(command.options.show),
              x11.get());
    hive.SetRescatterSeconds(command.options.rescatter_seconds);
    // A failed start-up scatter has already been reported and has asked to end.
    if (!hive.HasFailed()) {
        if (const auto status = ShowHive(hive, command.options.show)) {
            return *status;
        }
    }
    return QApplication::exec();
}
