// drelk: the queen and her ten drones, flying in a window.

#include "flight/random_source.h"
#include "window/command_line.h"
#include "window/error_report.h"
#include "window/hive.h"
#include "window/program_end.h"
#include "window/program_identity.h"

#include <QApplication>

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::window;

    DescribeProgram();
    if (const auto status = HandleArguments(argc, argv)) {
        return *status;
    }

    QApplication app(argc, argv);
    app.setWindowIcon(ProgramIcon());

    MersenneRandom random;
    Hive hive(random, DesktopFaultReport());
    // A failed start-up scatter has already been reported and has queued the exit.
    if (!hive.HasFailed()) {
        hive.show();
    }
    // Closing the window, the last one, leaves the loop with status 0.
    return EndProgram(app.exec());
}
