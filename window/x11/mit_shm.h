// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

namespace drelk::window {

// Has Qt's X11 back end send the window's pixels with plain PutImage requests instead of
// MIT-SHM. Call before the application object exists; QT_XCB_NO_MITSHM already in the
// environment is left as it is. Other platforms never read the setting.
void SendPixelsWithoutSharedMemory();

} // namespace drelk::window
