// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "simulator/stop_signals.h"

#include <poll.h>
#include <pthread.h>

#include <array>
#include <cstdlib>

namespace drelk::sim {
namespace {

constexpr std::array kStopSignals{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t stop_signal = 0;

void AskToStop(int signal) { stop_signal = signal; }

sigset_t StopSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kStopSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

} // namespace

void CatchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = AskToStop;
    sigemptyset(&action.sa_mask);
    // SA_RESTART: a write under way goes on rather than failing with EINTR, so no row is
    // lost or cut. A second signal does no harm either (timeout(1), for one, signals the
    // program and then its process group), so the handler stays.
    action.sa_flags = SA_RESTART;
    for (const int signal : kStopSignals) {
        // A signal that the shell set to be ignored (a background job) stays ignored.
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler != SIG_IGN) {
            sigaction(signal, &action, nullptr);
        }
    }
}

int StopSignal() { return stop_signal; }

bool WaitForInput(int fd)
{
    // The stop signals are held back while the flag is looked at, and let in only inside
    // ppoll, which a signal always interrupts, SA_RESTART or not.
    const sigset_t stops = StopSignalSet();
    sigset_t open;
    pthread_sigmask(SIG_BLOCK, &stops, &open);
    if (stop_signal == 0) {
        pollfd input{fd, POLLIN, 0};
        ppoll(&input, 1, nullptr, &open);
    }
    pthread_sigmask(SIG_SETMASK, &open, nullptr);
    return stop_signal == 0;
}

void DieOfStopSignal(int signal)
{
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    const sigset_t stops = StopSignalSet();
    pthread_sigmask(SIG_UNBLOCK, &stops, nullptr);
    std::raise(signal);
    std::_Exit(128 + signal); // not reached: the signal's default action ends the program
}

} // namespace drelk::sim
