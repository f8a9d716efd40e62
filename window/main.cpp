// drelk: the queen and her ten drones, flying in a window.

#include "command_line.h"
#include "error_report.h"
#include "flight/random_source.h"
#include "hive.h"
#include "program_identity.h"
#include "x11_flush.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::window;

    DescribeProgram();
    if (const auto status = HandleArguments(argc, argv)) {
        return *status;
    }

    SendPixelsWithoutSharedMemory();
    QApplication app(argc, argv);
    app.setWindowIcon(ProgramIcon());

    ClockRandom random;
    Hive hive(random, DesktopFaultReport());
    // A failed start-up scatter has already been reported and has queued the exit.
    if (!hive.HasFailed()) {
        hive.show();
    }
    // Closing the window, the last one, leaves the loop with status 0.
    return app.exec();
}
