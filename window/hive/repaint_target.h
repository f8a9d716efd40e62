// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QRectF>

namespace drelk::window {

// Where elements send their repaint requests: the window, which passes them to Qt or
// gathers a tick's requests into one repaint.
class RepaintTarget {
public:
    virtual void Repaint(const QRect& area) = 0;

protected:
    ~RepaintTarget() = default;
};

// Everything a shape's paint can touch: its outline widened by half the pen on each side,
// plus the antialiasing fringe (one pixel, and a half more for fractional device pixel
// ratios, whose rounding can shift a fringe by part of a pixel). Rounded outward to whole
// device-independent pixels.
QRect PaintReach(const QRectF& outline, double pen_width);

// Asks `canvas` to repaint where an element was and where it is now, and nothing more.
// Nearby areas go as one rectangle, far-apart ones as two.
void RepaintMove(RepaintTarget& canvas, const QRect& before, const QRect& after);

} // namespace drelk::window
