// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/hive/hive_keys.h"

#include "window/hive/hive.h"

#include <QAction>
#include <QKeySequence>

namespace drelk::window {
namespace {

// The desktop's own sequences for `key`, and `also` if they leave it out: F11 for full
// screen and Ctrl+Q for quitting are drelk's own keys wherever it runs.
QList<QKeySequence> Sequences(QKeySequence::StandardKey key, const QKeySequence& also = {})
{
    QList<QKeySequence> sequences = QKeySequence::keyBindings(key);
    if (!also.isEmpty() && !sequences.contains(also)) {
        sequences.prepend(also);
    }
    return sequences;
}

} // namespace

HiveKeys::HiveKeys(Hive& hive) : QObject(&hive)
{
    const auto add = [&hive, this](const QString& text, const QList<QKeySequence>& keys,
                                   auto triggered) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        // A key held down does not switch to and fro.
        action->setAutoRepeat(false);
        connect(action, &QAction::triggered, &hive, triggered);
        hive.addAction(action);
    };
    add(tr("Full screen"), Sequences(QKeySequence::FullScreen, QKeySequence(Qt::Key_F11)),
        [&hive] { hive.isFullScreen() ? hive.showNormal() : hive.showFullScreen(); });
    add(tr("Leave full screen"), Sequences(QKeySequence::Cancel), [&hive] {
        if (hive.isFullScreen()) {
            hive.showNormal();
        }
    });
    add(tr("Pause"), {QKeySequence(Qt::Key_Space)}, [&hive] { hive.SetPaused(!hive.IsPaused()); });
    add(tr("Quit"), Sequences(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)),
        [&hive] { hive.close(); });
}

} // namespace drelk::window
