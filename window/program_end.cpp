// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/program_end.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace drelk::window {
namespace {

// Whether taking Qt down could hang the program instead of ending it.
bool TeardownCanHang()
{
    // Qt workaround, checked on Qt 6.4.2 and 6.8.2: Qt's Wayland display can wait for ever
    // in its destructor, after a close sent by the compositor: one of its two event threads
    // quits with a read prepared and not cancelled, and the other waits in libwayland for
    // that read. A few closes in a hundred hang.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

void EndProgram(int status)
{
    // Nothing is kept, so nothing is lost by ending without Qt's clean-up.
    if (QCoreApplication::startingUp() || TeardownCanHang()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [status] { QCoreApplication::exit(status); },
        Qt::QueuedConnection);
}

} // namespace drelk::window
