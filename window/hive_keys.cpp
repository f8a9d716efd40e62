// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/hive_keys.h"

#include "window/hive.h"

#include <QKeyEvent>

namespace drelk::window {

HiveKeys::HiveKeys(Hive& hive) : QObject(&hive), hive_(hive) { hive_.installEventFilter(this); }

bool HiveKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &hive_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_Q) {
        hive_.close();
    } else if (modifiers != Qt::NoModifier || key->isAutoRepeat()) {
        return false;
    } else if (key->key() == Qt::Key_F11) {
        if (hive_.isFullScreen()) {
            hive_.showNormal();
        } else {
            hive_.showFullScreen();
        }
    } else if (key->key() == Qt::Key_Escape && hive_.isFullScreen()) {
        hive_.showNormal();
    } else if (key->key() == Qt::Key_Space) {
        hive_.SetPaused(!hive_.IsPaused());
    } else {
        return false;
    }
    return true;
}

} // namespace drelk::window
