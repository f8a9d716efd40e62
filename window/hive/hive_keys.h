// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace drelk::window {

class Hive;

// The keys of the hive's own window, as actions with the desktop's key sequences: full
// screen on and off (F11, and whatever else the desktop uses for it), Escape leaves it,
// Space pauses and resumes the flight, and Quit (Ctrl+Q) closes the window, which ends the
// program as closing it does. Made a child of the hive, its actions live as long as it.
class HiveKeys final : public QObject {
    Q_OBJECT

public:
    explicit HiveKeys(Hive& hive);
};

} // namespace drelk::window
