// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace drelk::window {

// Where the hive is shown: its own window (as designed, or full screen); as a screensaver
// does, the whole of an X window it is given or the whole screen beneath all windows (on a
// Wayland desktop, the background of every output); or as a screensaver of its own, above
// all windows until the user stirs.
struct ShowMode {
    enum class Place { Window, FullScreen, Root, WindowId, Saver };
    Place place = Place::Window;
    // The X window to draw into (--window-id, or --root with XSCREENSAVER_WINDOW set).
    std::optional<std::uint32_t> window;
    // The one Wayland output to show the hive on (--output), or every output.
    QString output;
};

// What the user asked of drelk on its command line.
struct DrelkOptions {
    // Qt's own options (-platform, -display, -style, ...) rewritten in the one form that
    // QApplication and its platform plugins read, "-name" then the value, whichever form the
    // user wrote ("--platform=xcb", "-platform xcb"). Hand them to QApplication after the
    // program name.
    QStringList qt_arguments;
    QString platform; // the value of -platform, if given
    QString display;  // the value of -display, if given
    ShowMode show;    // where the hive is shown: --fullscreen, --root, --window-id
    // --seed: the flight's generator takes this seed instead of the clock's.
    std::optional<std::uint64_t> seed;
    // --rescatter, or else the default of where the hive is shown: 0 is never, and
    // kRescatterAuto is auto.
    std::uint64_t rescatter_seconds = 0;
};

} // namespace drelk::window
