// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>

namespace drelk::sim {

// SIGINT, SIGTERM and SIGHUP only ask the run to stop: the tick under way finishes, its
// row (if due) is printed whole, and once everything printed is written the program dies
// of the signal (DieOfStopSignal), as a shell expects of a program it interrupted. Without
// this a signal would kill it with rows still buffered or half written. A run waiting for
// draws on a pipe or a terminal stops at once (WaitForInput).
void CatchStopSignals();

// The signal that asked the run to stop, or 0. Cheap enough to ask on every tick.
int StopSignal();

// Waits until `fd` has input or its end, or a stop signal has come; false once one has.
// A signal that comes just before the wait is not missed.
bool WaitForInput(int fd);

// Ends the program by `signal`, with its default action.
[[noreturn]] void DieOfStopSignal(int signal);

} // namespace drelk::sim
