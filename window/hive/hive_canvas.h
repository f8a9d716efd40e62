// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QRegion>

#include <functional>

class QWidget;

namespace drelk::window {

// What a hive is painted on when Qt's backing store does not paint it: its own X11 window,
// painted directly, or a surface of a Wayland compositor. The program hands the hive its
// canvas; the hive knows neither platform.
class HiveCanvas {
public:
    // Paints every pixel of `dirty`, in the hive's device-independent pixels; what it paints
    // beyond that is never shown.
    using Draw = std::function<void(QPainter& painter, const QRegion& dirty)>;

    virtual ~HiveCanvas() = default;

    // Whether `hive` is on show on this canvas now, so that a tick's repaint goes to it.
    virtual bool Shows(const QWidget& hive) const = 0;
    // Whether this canvas can paint `hive`; once it says no, Qt's backing store paints the
    // hive from then on.
    virtual bool Suits(QWidget& hive) = 0;
    // Paints `dirty` of `hive` with `draw`. False, having painted nothing, when it cannot (no
    // memory for it); the hive then turns to Qt's backing store.
    virtual bool Paint(QWidget& hive, const QRegion& dirty, const Draw& draw) = 0;
};

} // namespace drelk::window
