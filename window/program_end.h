// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

namespace drelk::window {

// Ends the program with `status` once its event loop is done, while the application object
// still exists. Returns `status` for main() to return, except under Wayland: there Qt 6.4
// can hang for ever taking its connection down (its display's destructor waits for an
// event thread that waits inside libwayland for a read that is never made), so the process
// ends at once, with its output flushed. Nothing is lost: the program keeps no state.
int EndProgram(int status);

} // namespace drelk::window
