// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

namespace drelk::window {

// SIGTERM, which screensaver daemons send to stop the program drawing for them, ends the
// program at once with status 0 and without a word. Call it first thing in main().
void EndAtOnceOnTerminate();

} // namespace drelk::window
