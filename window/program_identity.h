// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>

namespace drelk::window {

// Names the program to Qt: application name "Drelk", the project's version and its maker.
// Safe before any application object exists.
void DescribeProgram();

// The bee, icons/drelk.xpm compiled in. Needs the application object.
QIcon ProgramIcon();

} // namespace drelk::window
