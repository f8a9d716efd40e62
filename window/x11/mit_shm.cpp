// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/x11/mit_shm.h"

#include <QByteArray>
#include <QtGlobal>

namespace drelk::window {

// Where Qt's backing store paints the window (where the X11 canvas steps aside), each tick
// repaints where the queen and the drones were, which is exactly what the last tick sent.
// Qt workaround, checked on Qt 6.4.2 and 6.8.2: with MIT-SHM, Qt's X11 back end cannot know
// whether the server has finished reading that shared memory, so before painting over it it
// makes a round trip to the server: about one more wake-up a tick (its event thread wakes
// for the reply), 1.5 to 1.8 times the plain count. The areas sent are a few kilobytes,
// which PutImage copies through the socket for less than the round trip costs. On a remote
// display Qt already does without shared memory, so nothing changes there.
void SendPixelsWithoutSharedMemory()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", QByteArray("1"));
    }
}

} // namespace drelk::window
