// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "window/hive/hive.h"

#include <QEvent>
#include <QObject>
#include <QTimerEvent>

#include <functional>
#include <utility>

namespace drelk::tests {

// Counts the movement ticks that reach a window through its event loop, on their way in,
// and hands each new count to `then`.
class TickCounter final : public QObject {
public:
    explicit TickCounter(window::Hive& hive, std::function<void(int ticks)> then = {})
        : hive_(hive), then_(std::move(then))
    {
        hive_.installEventFilter(this);
    }
    ~TickCounter() override { hive_.removeEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer &&
            static_cast<QTimerEvent*>(event)->timerId() == hive_.MovementTimerId()) {
            ++ticks;
            if (then_) {
                then_(ticks);
            }
        }
        return false;
    }

    int ticks = 0;

private:
    window::Hive& hive_;
    std::function<void(int ticks)> then_;
};

} // namespace drelk::tests
