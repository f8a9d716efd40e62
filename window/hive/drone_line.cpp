// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/hive/drone_line.h"

#include "window/hive/repaint_target.h"

#include <QPainter>
#include <QPen>
#include <QRectF>

namespace drelk::window {

// Round caps reach half the pen beyond each end in every direction, so the paint bounds
// stay the line's box widened by half the pen, however the line is turned.
QPen DroneLine::Pen(const QColor& ink)
{
    return {ink, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
}

void DroneLine::SetX(float x1, float x2) { MoveTo(x1, y1_, x2, y2_); }

void DroneLine::SetY(float y1, float y2) { MoveTo(x1_, y1, x2_, y2); }

void DroneLine::MoveTo(float x1, float y1, float x2, float y2)
{
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) {
        return;
    }
    const QRect before = bounds_;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    bounds_ = ComputeBounds();
    RepaintMove(*canvas_, before, bounds_);
}

QLineF DroneLine::PixelLine() const
{
    return {scale_->XToPixels(x1_), scale_->YToPixels(y1_), scale_->XToPixels(x2_),
            scale_->YToPixels(y2_)};
}

QRect DroneLine::ComputeBounds() const
{
    const QLineF line = PixelLine();
    return PaintReach(QRectF(line.p1(), line.p2()), kPenWidth);
}

void DroneLine::Paint(QPainter& painter, const QPen& pen) const
{
    painter.setPen(pen);
    painter.drawLine(PixelLine());
}

} // namespace drelk::window
