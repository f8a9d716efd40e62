// drelk: the queen and her ten drones, flying in a window.

#include "flight/random_source.h"
#include "window/command_line.h"
#include "window/hive.h"
#include "window/program_identity.h"
#include "window/screen_modes.h"
#include "window/termination.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::window;

    EndAtOnceOnTerminate();
    DescribeProgram();
    ShowMode mode;
    if (const auto status = HandleArguments(argc, argv, mode)) {
        return *status;
    }

    QApplication app(argc, argv);
    app.setWindowIcon(ProgramIcon());

    MersenneRandom random;
    Hive hive(random, FaultReportFor(mode));
    // A failed start-up scatter has already been reported and has queued the exit.
    if (!hive.HasFailed()) {
        if (const auto status = ShowHive(hive, mode)) {
            return *status;
        }
    }
    // Closing the window, the last one, leaves the loop with status 0.
    return app.exec();
}
