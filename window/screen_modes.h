// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/error_report.h"

#include <QString>

#include <cstdint>
#include <optional>

class QCommandLineParser;

namespace drelk::window {

class Hive;

// The status when the X window to draw into cannot be had: no X11 display, no such window,
// or the window went away while the hive was drawn into it.
inline constexpr int kExitNoWindow = 2;

// Where the hive is shown: its own window (as designed, or full screen), or, as a
// screensaver does, the whole of an X window it is given or the whole screen.
struct ShowMode {
    enum class Place { Window, FullScreen, Root, WindowId };
    Place place = Place::Window;
    // The X window to draw into (--window-id, or --root with XSCREENSAVER_WINDOW set).
    std::optional<std::uint32_t> window;
};

// An X window id as the screensaver daemons write them: hexadecimal "0x..." or decimal.
std::optional<std::uint32_t> ParseWindowId(const QString& text);

// The options --fullscreen, --root and --window-id ID.
void AddShowModeOptions(QCommandLineParser& parser);

// Reads those options (and, for --root, XSCREENSAVER_WINDOW) into `mode`. A mistake is
// told in one line on standard error and its exit status returned.
std::optional<int> ReadShowMode(const QCommandLineParser& parser, ShowMode& mode);

// How a failed flight is reported: on standard error and in a message box in the hive's own
// window; on standard error alone where it draws for a screensaver, which holds the keyboard
// and the mouse, so that no box could ever be closed.
FaultReport FaultReportFor(const ShowMode& mode);

// Shows the hive as `mode` says: in its own window, which then answers its keys (HiveKeys),
// or in a window it is given. Needs the application object; for the screensaver's places
// also an X11 display. A failure is told in one line on standard error and its exit status
// returned.
std::optional<int> ShowHive(Hive& hive, const ShowMode& mode);

} // namespace drelk::window
