// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/run_on_x11.h"

#include "flight/random_source.h"
#include "window/hive/hive.h"
#include "window/show_mode.h"
#include "window/x11/canvas.h"

#include <QApplication>

#include <memory>

namespace drelk::window {

int RunOnX11(const DrelkOptions& options)
{
    MersenneRandom random(options.seed);
    // On X11 the hive paints its window itself; elsewhere Qt's backing store paints it.
    const std::unique_ptr<X11Canvas> x11 = X11Canvas::ForThisDisplay();
    Hive hive(random, FaultReportFor(options.show), FilledSize(options.show), x11.get());
    hive.SetRescatterSeconds(options.rescatter_seconds);
    // A failed start-up scatter has already been reported and has asked to end.
    if (!hive.HasFailed()) {
        if (const auto status = ShowHive(hive, options.show)) {
            return *status;
        }
    }
    return QApplication::exec();
}

} // namespace drelk::window
