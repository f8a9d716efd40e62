// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/command_line.h"

#include <QStringList>

namespace drelk::window {

// Qt's own arguments for a program whose hives are on a Wayland desktop's layers: drelk
// speaks to the compositor itself there, and Qt, which shows no window, runs on its
// offscreen platform, which opens no display and costs no memory for one.
QStringList QtArgumentsForLayers(QStringList qt_arguments);

// Puts a hive on each output of the Wayland desktop (--root: its background; --saver: above
// all windows, until the user stirs), each with a flight of its own, and runs them until the
// program ends. Needs the application object. Returns the program's exit status.
int RunOnLayers(const DrelkOptions& options);

} // namespace drelk::window
