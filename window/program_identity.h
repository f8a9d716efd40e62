// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>

namespace drelk::window {

// Names the program to Qt: application name "Drelk", version text the project's (1.0.0) and its maker.
// Safe before any application object exists.
void DescribeProgram();

// The bee, icons/drelk.xpm compiled in. Needs the application object.
QIcon ProgramIcon();

} // namespace drelk::window
