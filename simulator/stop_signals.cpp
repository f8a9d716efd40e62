// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "simulator/stop_signals.h"

#include <array>

namespace drelk::sim {
namespace {

volatile std::sig_atomic_t stop_signal = 0;

void AskToStop(int signal) { stop_signal = signal; }

} // namespace

void CatchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = AskToStop;
    sigemptyset(&action.sa_mask);
    // SA_RESTART: a write or a read of draws under way goes on rather than failing with
    // EINTR, so no row is lost or cut. A second signal does no harm either (timeout(1), for
    // one, signals the program and then its process group), so the handler stays.
    action.sa_flags = SA_RESTART;
    for (const int signal : std::array{SIGINT, SIGTERM, SIGHUP}) {
        // A signal that the shell set to be ignored (a background job) stays ignored.
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler != SIG_IGN) {
            sigaction(signal, &action, nullptr);
        }
    }
}

int StopSignal() { return stop_signal; }

} // namespace drelk::sim
