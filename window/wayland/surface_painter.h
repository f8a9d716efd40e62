// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/hive/hive_canvas.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

namespace drelk::window {

// Paints `region` of a surface, in its device-independent pixels, into `image`, whose device
// pixel ratio is the surface's scale, with `painter` active on it: every pixel of the region
// painted anew and none outside it changed. (The buffer is shown whole, and an antialiased
// edge drawn twice over comes out darker.) At a fractional scale the region is widened to
// whole buffer pixels, and the painting clipped to them.
void PaintSurfaceRegion(QImage& image, QPainter& painter, const QRegion& region,
                        const HiveCanvas::Draw& draw);

// `rect` of the surface in buffer pixels at `ratio`, widened to whole pixels.
QRect BufferRect(const QRect& rect, qreal ratio);

} // namespace drelk::window
