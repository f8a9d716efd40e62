#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>

#include <cstddef>
#include <functional>
#include <vector>

class QPainter;

namespace drelk::window {

// Paints a window's dirty region the way Qt's backing store does, into an image of the
// whole window with the painter clipped to the region, so the pixels are exactly Qt's;
// then hands the region on in pieces, each packed row after row and at most `max_bytes`
// (but at least one row), for a caller that sends them to the screen. The image's memory
// is only touched where something is painted, and no piece needs more than `max_bytes`
// beside it, however large the region.
class PieceSender {
public:
    using Draw = std::function<void(QPainter& painter, const QRegion& dirty)>;
    // A piece's pixels, QImage::Format_RGB32, and where in the window they go.
    using Send = std::function<void(const QImage& pixels, const QPoint& at)>;

    explicit PieceSender(std::size_t max_bytes) : max_bytes_(max_bytes) {}

    void Paint(const QSize& window, const QRegion& dirty, const Draw& draw, const Send& send);

private:
    std::size_t max_bytes_;
    QImage canvas_;
    std::vector<uchar> packed_;
};

} // namespace drelk::window
