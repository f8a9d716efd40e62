// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/surface_painter.h"

#include <QRectF>

#include <cmath>

namespace drelk::window {
namespace {

bool Whole(qreal ratio) { return ratio == std::round(ratio); }

} // namespace

QRect BufferRect(const QRect& rect, qreal ratio)
{
    return QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio)
        .toAlignedRect();
}

void PaintSurfaceRegion(QImage& image, QPainter& painter, const QRegion& region,
                        const HiveCanvas::Draw& draw)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect bounds = image.rect();
    // Each paint starts as a fresh painter would: the painter stays active between paints.
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (Whole(ratio)) {
        // Whole buffer pixels to the surface's pixel: the region maps onto them exactly. It
        // needs no clip, which would cost more than all the drawing: a tick's region holds
        // the old and the new place of every element, and every element moves each tick,
        // so each element it reaches lies wholly within it.
        draw(painter, region);
        return;
    }
    // Each rectangle widened to the buffer pixels it touches, painted as the surface pixels
    // that cover those, and clipped to them.
    for (const QRect& rect : region) {
        const QRect pixels = BufferRect(rect, ratio) & bounds;
        if (pixels.isEmpty()) {
            continue;
        }
        const QRectF back(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio,
                          pixels.height() / ratio);
        painter.setClipRect(back);
        painter.setRenderHint(QPainter::Antialiasing, false);
        draw(painter, QRegion(back.toAlignedRect()));
    }
    painter.setClipping(false);
}

} // namespace drelk::window
