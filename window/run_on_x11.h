// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/drelk_options.h"

namespace drelk::window {

// Flies one hive and shows it as `options` say: in its own window, full screen, or for a
// screensaver (--root, --saver, --window-id) covering the screen or filling a window it is
// given. On X11 drelk paints the hive's X window itself (X11Canvas); on Qt's other platforms,
// which show only its own window, Qt's backing store paints it. Runs it until the program
// ends. Needs the application object. Returns the program's exit status.
int RunOnX11(const DrelkOptions& options);

} // namespace drelk::window
