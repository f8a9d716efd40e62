// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/termination.h"

#include <csignal>
#include <unistd.h>

namespace drelk::window {
namespace {

// Nothing is kept, so nothing is lost by skipping the clean-up; and a daemon that has just
// taken its window away would otherwise see the clean-up fail on it. _exit is safe in a
// signal handler, which quitting Qt's event loop is not.
void EndNow(int) { _exit(0); }

} // namespace

void EndAtOnceOnTerminate()
{
    struct sigaction action = {};
    action.sa_handler = EndNow;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace drelk::window
