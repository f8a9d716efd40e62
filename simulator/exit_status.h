// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

namespace drelk::sim {

// How drelk-sim ends, as a shell sees it. Stopped by SIGINT, SIGTERM or SIGHUP it dies of
// that signal once every row is written, and a shell shows 128 + the signal.
enum ExitStatus : int {
    kExitDone = 0,
    kExitWriteFailed = 1, // the CSV could not be written
    kExitBadInput = 2,    // a bad option or draws file
    kExitFlightFault = 3, // a rule of the flight broke: a fault in the program
};

} // namespace drelk::sim
