// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "window/hive/repaint_target.h"
#include "window/hive/twip_scale.h"

#include <QLineF>
#include <QPen>
#include <QRect>

class QColor;
class QPainter;

namespace drelk::window {

// One drone: a line 5 device-independent pixels wide with round ends, from its head
// (X1, Y1) to its tail (X2, Y2), in the window's ink. The ends are kept in twips exactly as set;
// each change asks the window to repaint where the line was and where it is now.
class DroneLine {
public:
    static constexpr double kPenWidth = 5.0;

    DroneLine(RepaintTarget& canvas, const TwipScale& scale) : canvas_(&canvas), scale_(&scale) {}

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void SetX(float x1, float x2);
    void SetY(float y1, float y2);

    // The line in device-independent pixels, and everything its paint can touch.
    QLineF PixelLine() const;
    const QRect& PaintBounds() const { return bounds_; }
    // After the window's scale has changed.
    void RecomputeBounds() { bounds_ = ComputeBounds(); }

    // The pen of every line, in `ink`: made once per ink and shared by all ten.
    static QPen Pen(const QColor& ink);
    void Paint(QPainter& painter, const QPen& pen) const;

private:
    void MoveTo(float x1, float y1, float x2, float y2);
    QRect ComputeBounds() const;

    RepaintTarget* canvas_;
    const TwipScale* scale_;
    float x1_ = 0;
    float y1_ = 0;
    float x2_ = 0;
    float y2_ = 0;
    QRect bounds_ = ComputeBounds();
};

} // namespace drelk::window
