// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <csignal>

namespace drelk::sim {

// SIGINT, SIGTERM and SIGHUP only ask the run to stop: the tick under way finishes, its
// row (if due) is printed whole, and the program ends with 128 + the signal after writing
// everything it printed. Without this a signal would kill it with rows still buffered or
// half written. A run waiting for draws on a pipe or a terminal stops when the next draw or
// the end of the draws arrives.
void CatchStopSignals();

// The signal that asked the run to stop, or 0. Cheap enough to ask on every tick.
int StopSignal();

} // namespace drelk::sim
