// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/x11/mit_shm.h"

#include <QByteArray>
#include <QtGlobal>

namespace drelk::window {

// Each tick repaints where the queen and the drones were, which is exactly what the last
// tick sent. With MIT-SHM, Qt's X11 back end cannot know whether the server has finished
// reading that shared memory, so before painting over it it makes a round trip to the
// server: two more wake-ups a tick (the reply wakes its event thread and then this one),
// three times the plain cost. The areas sent are a few kilobytes, which PutImage copies
// through the socket for less than the round trip costs. On a remote display Qt already
// does without shared memory, so nothing changes there.
void SendPixelsWithoutSharedMemory()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", QByteArray("1"));
    }
}

} // namespace drelk::window
