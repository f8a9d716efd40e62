// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

namespace drelk::window {

// How drelk ends, as a shell sees it. SIGTERM, with which screensaver daemons stop it, is not
// caught: drelk dies of it, and a shell shows 143.
enum ExitStatus : int {
    kExitOk = 0,          // the window was closed or quit, or the help or version was printed
    kExitUsage = 1,       // a bad command line, an answer to it that could not be written,
                          // or no display that could be opened
    kExitNoWindow = 2,    // nothing to draw into (--root, --saver, --window-id: no X window,
                          // no Wayland layers), or it went away, or another program
                          // destroyed the hive's own
    kExitFlightFault = 3, // a rule of the flight broke: a fault in the program
};

} // namespace drelk::window
