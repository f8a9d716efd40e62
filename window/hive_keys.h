// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace drelk::window {

class Hive;

// The keys of the hive's window, as desktop programs have them: F11 toggles full screen,
// Escape leaves it, Space pauses and resumes the flight, Ctrl+Q closes the window (and so
// ends the program, as closing it does). Made a child of the hive, it watches its keys.
class HiveKeys final : public QObject {
public:
    explicit HiveKeys(Hive& hive);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Hive& hive_;
};

} // namespace drelk::window
