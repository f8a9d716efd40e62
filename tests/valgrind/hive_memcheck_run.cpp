// hive_memcheck_run: the real window, set up as the drelk program sets it up, flying 50
// ticks of its own 100 ms timer (resized half-way), then closed, so that memcheck watches
// every allocation, read and write of a whole life of the window. Exits 0 when all 50 ticks
// ran and the window closed without a fault; 1 otherwise.

#include "error_report.h"
#include "flight/random_source.h"
#include "hive.h"
#include "program_identity.h"

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

// Counts the window's movement ticks on their way in; after the last one has run, resizes
// or closes the window from the event loop, as a user would.
class TickCounter final : public QObject {
public:
    explicit TickCounter(window::Hive& hive) : hive_(hive) { hive_.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer &&
            static_cast<QTimerEvent*>(event)->timerId() == hive_.MovementTimerId()) {
            ++ticks;
            if (ticks == kTicks / 2) {
                QTimer::singleShot(0, &hive_, [this] { hive_.resize(hive_.size() * 3 / 2); });
            } else if (ticks == kTicks) {
                QTimer::singleShot(0, &hive_, &QWidget::close);
            }
        }
        return false;
    }

    int ticks = 0;

private:
    window::Hive& hive_;
};

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
                                     [&faulted](int status) {
                                         faulted = true;
                                         QCoreApplication::exit(status);
                                     }};

    ClockRandom random;
    window::Hive hive(random, report);
    TickCounter counter(hive);
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
