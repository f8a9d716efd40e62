// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/drelk_options.h"

namespace drelk::window {

// Puts a hive on each output of the Wayland desktop (--root: its background; --saver: above
// all windows, until the user stirs), each with a flight of its own, and runs them until the
// program ends. Needs the application object. Returns the program's exit status.
int RunOnLayers(const DrelkOptions& options);

} // namespace drelk::window
