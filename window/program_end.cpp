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
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Qt 6.4's Wayland connection can hang for ever being destroyed: its display's
    // destructor waits for an event thread that waits in libwayland for a read never made.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
#else
    return false;
#endif
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
