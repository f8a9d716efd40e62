// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/drelk_options.h"

#include <QStringList>

namespace drelk::window {

// What drelk runs on. X11: the hive is a window of Qt's platform, which drelk paints itself
// on X11 (run_on_x11.h); the hive's own window is shown there the same way wherever else Qt
// shows windows (Qt's Wayland platform, offscreen). WaylandLayers: drelk speaks to a Wayland
// compositor itself and puts a hive on the layer of each output (run_on_wayland_layers.h).
enum class Platform { X11, WaylandLayers };

struct PlatformChoice {
    Platform platform = Platform::X11;
    // Qt's own arguments for that platform, for QApplication after the program name.
    QStringList qt_arguments;
};

// The platform that `options` and the environment call for: the layers for --root without a
// daemon's window and for --saver, where the program runs under a Wayland compositor, unless
// -platform or QT_QPA_PLATFORM names another; X11 otherwise. No application object needed.
PlatformChoice ChoosePlatform(const DrelkOptions& options);

} // namespace drelk::window
