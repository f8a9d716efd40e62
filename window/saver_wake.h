// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace drelk::window {

// Makes `saver`, shown above all windows, a screensaver: the pointer hidden over it, the
// keyboard and the pointer held, and the program ended with status 0 at the first key,
// button, wheel turn, touch or movement of the pointer.
void EndAtFirstStir(QWidget& saver);

} // namespace drelk::window
