// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/drelk_options.h"
#include "window/hive/fault_report.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

class QCommandLineParser;
class QWidget;

namespace drelk::window {

class Hive;

// An X window id as the screensaver daemons write them: hexadecimal "0x..." or decimal.
std::optional<std::uint32_t> ParseWindowId(const QString& text);

// The options --fullscreen, --root, --saver, --window-id ID and --output NAME.
void AddShowModeOptions(QCommandLineParser& parser);

// Reads those options (and, for --root, XSCREENSAVER_WINDOW) into `mode`. A mistake is
// told in one line on standard error and its exit status returned.
std::optional<int> ReadShowMode(const QCommandLineParser& parser, ShowMode& mode);

// The size, in device-independent pixels, of what the hive will fill in `mode` when that is
// known before it is shown: the screen in full screen, and for a screensaver the whole
// screen or the window it is given. Empty for the hive's own window, and where it is not
// known. Needs the application object.
QSize FilledSize(const ShowMode& mode);

// The period of --rescatter when it is not given, in seconds. The hive's own window, full
// screen or not, flies as designed: never. The places made for leaving it on for hours, which
// would otherwise show the drones gathered in one spot for nearly all of it, take auto
// (kRescatterAuto): the flight begins again once the drones have gathered, so that at every
// screen size they are gathered a small share of the time (bench/rescatter_spread.py).
std::uint64_t DefaultRescatterSeconds(const ShowMode& mode);

// Screensavers are dark, at night too: white lines and outline on black.
void DarkenForScreensaver(QWidget& hive);

// How a failed flight is reported: one line on standard error, then a modal message box
// titled "The Drelk" in the hive's own window; the line alone where it draws for a
// screensaver, which holds the keyboard and the mouse, so that no box could ever be closed.
// Then the program ends with kExitFlightFault.
FaultReport FaultReportFor(const ShowMode& mode);

// Shows the hive as `mode` says: in its own window, which then answers its keys (HiveKeys),
// or in a window it is given, whose end ends the program with kExitNoWindow. Needs the
// application object; for the screensaver's places also an X11 display. A failure is told in
// one line on standard error and its exit status returned.
std::optional<int> ShowHive(Hive& hive, const ShowMode& mode);

} // namespace drelk::window
