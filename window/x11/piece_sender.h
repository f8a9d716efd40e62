// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <cstddef>
#include <functional>
#include <vector>

namespace drelk::window {

// Paints a window's dirty region the way Qt's backing store does, into an image of the
// whole window, so the pixels are exactly Qt's; then hands the region on in pieces, each
// packed row after row and at most `max_bytes` (but at least one row), for a caller that
// sends them to the screen. `draw` paints every pixel of the region it is given; what it
// paints beyond is never sent, so the painter is not clipped (a clip costs more than
// drawing a few small shapes), except to a piece when a large region is painted piece by
// piece and the pieces' memory is given back.
//
// The image's memory is only made resident where something is painted. A region larger
// than `max_bytes` (a window shown, uncovered or resized) is painted and sent one piece at
// a time; in a window of more than `kept_bytes`, each of those pieces' memory is given
// back at once, so even a 3840 x 2160 window never holds more than a piece's worth for
// them. A smaller window keeps its pages, so that resizing it faults nothing in again, and
// a tick's small region always stays resident for the next tick.
class PieceSender {
public:
    using Draw = std::function<void(QPainter& painter, const QRegion& dirty)>;
    // A piece's pixels, QImage::Format_RGB32, and where in the window they go.
    using Send = std::function<void(const QImage& pixels, const QPoint& at)>;

    PieceSender(std::size_t max_bytes, std::size_t kept_bytes)
        : max_bytes_(max_bytes), kept_bytes_(kept_bytes)
    {
    }
    ~PieceSender();
    PieceSender(const PieceSender&) = delete;
    PieceSender& operator=(const PieceSender&) = delete;

    // False, having painted nothing, when the memory for the window's image cannot be had;
    // true for a window of no area, which has nothing to paint.
    bool Paint(const QSize& window, const QRegion& dirty, const Draw& draw, const Send& send);

private:
    bool Fit(const QSize& window);
    void EndPainting();
    void Unmap();
    // The bands of `rect`, each at most max_bytes_, in order.
    template <typename Each> void ForEachPiece(const QRect& rect, Each each) const;
    void SendPiece(const QRect& piece, const Send& send);
    void Release(const QRect& piece);

    std::size_t max_bytes_;
    std::size_t kept_bytes_;
    uchar* memory_ = nullptr;
    std::size_t mapped_bytes_ = 0;
    QImage canvas_;
    QPainter painter_; // on canvas_ and active between paints, until it is resized
    std::vector<uchar> packed_;
};

} // namespace drelk::window
