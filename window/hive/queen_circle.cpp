// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/hive/queen_circle.h"

#include "flight/designed_layout.h"
#include "window/hive/repaint_target.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace drelk::window {
namespace {

// Made once, so painting shares it instead of building a brush every time.
const QBrush& FillBrush()
{
    static const QBrush brush(QColor(128, 128, 255));
    return brush;
}

} // namespace

QueenCircle::QueenCircle(RepaintTarget& canvas, const TwipScale& scale)
    : canvas_(&canvas), scale_(&scale), left_(kQueenStartLeft), top_(kQueenStartTop),
      width_(kQueenWidth), height_(kQueenHeight), bounds_(ComputeBounds())
{
}

void QueenCircle::SetLeft(float left) { MoveTo(left, top_); }

void QueenCircle::SetTop(float top) { MoveTo(left_, top); }

void QueenCircle::MoveTo(float left, float top)
{
    if (left == left_ && top == top_) {
        return;
    }
    const QRect before = bounds_;
    left_ = left;
    top_ = top;
    bounds_ = ComputeBounds();
    RepaintMove(*canvas_, before, bounds_);
}

QRectF QueenCircle::CircleRect() const
{
    // Centred in the box; the diameter is the smaller side, in twips, so the circle stays
    // round on a screen whose DPI differs across and down.
    const double diameter = std::min(width_, height_);
    const double left = static_cast<double>(left_) + (width_ - diameter) / 2.0;
    const double top = static_cast<double>(top_) + (height_ - diameter) / 2.0;
    return {scale_->XToPixels(left), scale_->YToPixels(top), scale_->XToPixels(diameter),
            scale_->YToPixels(diameter)};
}

QPen QueenCircle::OutlinePen(const QColor& ink)
{
    QPen pen; // Qt's default: solid, 1 pixel
    pen.setColor(ink);
    return pen;
}

QRect QueenCircle::ComputeBounds() const { return PaintReach(CircleRect(), QPen().widthF()); }

void QueenCircle::Paint(QPainter& painter, const QPen& outline) const
{
    painter.setPen(outline);
    painter.setBrush(FillBrush());
    painter.drawEllipse(CircleRect());
}

} // namespace drelk::window
