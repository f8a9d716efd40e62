// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

namespace drelk::window {

// Watches over the making of the QApplication, where Qt opens the display. When no platform
// plugin can start (no display, one that cannot be reached, an unknown -platform), Qt calls
// qFatal, which would print a paragraph advising to reinstall the program and then abort
// with a core dump. While a DisplayOpening lives, Qt's messages and whatever else is
// written to standard error (libwayland writes there itself) are held back; a fatal message
// ends the program with one line naming each platform that was tried and the display it
// could not open, and status 1. Opened() hands on what was held, as if nothing happened.
class DisplayOpening {
    Q_DECLARE_TR_FUNCTIONS(DisplayOpening)

public:
    // `display` is the -display option, if given.
    explicit DisplayOpening(const QString& display);
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;

    // The application object exists: stop holding messages back and pass them on.
    void Opened();
};

// The one line for a display that could not be opened, from the messages that Qt wrote on
// the way: `held` is each message as "category: text", one per line.
QString DisplayFailure(const QString& held, const QString& display_option);

} // namespace drelk::window
