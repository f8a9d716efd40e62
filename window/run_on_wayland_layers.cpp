// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/run_on_wayland_layers.h"

#include "flight/random_source.h"
#include "window/exit_status.h"
#include "window/hive/hive.h"
#include "window/program_end.h"
#include "window/show_mode.h"
#include "window/user_message.h"
#include "window/wayland/layer_desktop.h"

#include <QApplication>

#include <memory>

namespace drelk::window {
namespace {

// A hive on one output's surface, flying a flight of its own at the desktop's ticks.
class OutputHive final : public SurfaceContent {
public:
    OutputHive(const DrelkOptions& options, HiveCanvas& canvas, QSize size)
        : random_(options.seed), hive_(random_, FaultReportFor(options.show), size, &canvas,
                                       nullptr, Hive::Pace::OwnersTicks)
    {
        DarkenForScreensaver(hive_);
        hive_.SetRescatterSeconds(options.rescatter_seconds);
        hive_.resize(size);
        if (!hive_.HasFailed()) {
            hive_.ShowOnCanvas();
        }
    }

    void Resize(QSize size) override { hive_.resize(size); }
    void Tick() override { hive_.Tick(); }

private:
    MersenneRandom random_;
    Hive hive_;
};

} // namespace

int RunOnLayers(const DrelkOptions& options)
{
    const auto layer = options.show.place == ShowMode::Place::Saver
                           ? LayerSurface::Layer::Saver
                           : LayerSurface::Layer::Background;
    LayerDesktop::Failure failure;
    const std::unique_ptr<LayerDesktop> desktop = LayerDesktop::Open(
        layer, options.show.output,
        [&options](HiveCanvas& canvas, QSize size) {
            return std::make_unique<OutputHive>(options, canvas, size);
        },
        failure);
    if (!desktop) {
        TellUser(failure.why);
        return failure.unreachable ? kExitUsage : kExitNoWindow;
    }
    QObject::connect(desktop.get(), &LayerDesktop::Lost, [](const QString& why) {
        TellUser(QCoreApplication::translate("LayerHives", "the Wayland compositor has gone: %1")
                     .arg(why));
        EndProgram(kExitNoWindow);
    });
    QObject::connect(desktop.get(), &LayerDesktop::Touched, [] { EndProgram(kExitOk); });
    return QApplication::exec();
}

} // namespace drelk::window
