// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace drelk::window {

// How the program ends after a handler has failed. The window first stops its timer, then
// tells and ends through these two steps; tests put their own in, so nothing blocks.
struct FaultReport {
    // Tells the user what happened; `parent` is the window.
    std::function<void(QWidget* parent, const QString& message)> tell;
    // Ends the program with `status`.
    std::function<void(int status)> end;
};

// The report's words: what went wrong, and that the program will now close.
QString FaultMessage(const QString& what);

// The desktop's report: the message as one line on standard error, then a modal message
// box titled "The Drelk". Its end leaves the event loop with the status, queued so that it
// also works when the fault came before the loop started.
FaultReport DesktopFaultReport();

} // namespace drelk::window
