// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "window/hive/repaint_target.h"
#include "window/hive/twip_scale.h"

#include <QPen>
#include <QRect>
#include <QRectF>

class QColor;
class QPainter;

namespace drelk::window {

// The queen: a circle centred in her box, as wide as the box's smaller side, filled solid
// in red 128, green 128, blue 255, with a 1-pixel outline in the window's ink. Her box
// is kept in twips exactly as set; each change asks the window to repaint where she was
// and where she is now.
class QueenCircle {
public:
    QueenCircle(RepaintTarget& canvas, const TwipScale& scale);

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetLeft(float left);
    void SetTop(float top);

    // The circle in device-independent pixels, and everything its paint can touch.
    QRectF CircleRect() const;
    const QRect& PaintBounds() const { return bounds_; }
    // After the window's scale has changed.
    void RecomputeBounds() { bounds_ = ComputeBounds(); }

    // The outline's pen, in `ink`: Qt's default pen but for its colour.
    static QPen OutlinePen(const QColor& ink);
    void Paint(QPainter& painter, const QPen& outline) const;

private:
    void MoveTo(float left, float top);
    QRect ComputeBounds() const;

    RepaintTarget* canvas_;
    const TwipScale* scale_;
    float left_;
    float top_;
    float width_;
    float height_;
    QRect bounds_;
};

} // namespace drelk::window
