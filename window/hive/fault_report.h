// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace drelk::window {

// How the program ends after a handler has failed. The hive first stops its timer, then
// tells and ends through these two steps; the program puts in its own, tests theirs, so that
// nothing blocks.
struct FaultReport {
    // Tells the user what happened; `parent` is the window.
    std::function<void(QWidget* parent, const QString& message)> tell;
    // Ends the program.
    std::function<void()> end;
};

// The report's words: what went wrong, and that the program will now close.
QString FaultMessage(const QString& what);

} // namespace drelk::window
