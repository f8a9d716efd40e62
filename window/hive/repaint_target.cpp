// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/hive/repaint_target.h"

namespace drelk::window {
namespace {

constexpr double kAntialiasFringe = 1.5;

} // namespace

QRect PaintReach(const QRectF& outline, double pen_width)
{
    const double reach = pen_width / 2.0 + kAntialiasFringe;
    return outline.normalized().adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

void RepaintMove(RepaintTarget& canvas, const QRect& before, const QRect& after)
{
    if (before == after) {
        canvas.Repaint(after);
    } else if (before.intersects(after)) {
        canvas.Repaint(before.united(after));
    } else {
        canvas.Repaint(before);
        canvas.Repaint(after);
    }
}

} // namespace drelk::window
