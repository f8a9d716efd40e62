// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

namespace drelk::window {

// The one way drelk ends other than main() returning the event loop's status. With the
// application running, it leaves the event loop with `status`, queued so that it also works
// before the loop has started, and main() returns it. Before the application exists, or
// while Qt is still making it (a display that cannot be opened), it ends the process at
// once, its output flushed; and so it does wherever Qt could not be taken down safely.
void EndProgram(int status);

} // namespace drelk::window
