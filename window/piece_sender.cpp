#include "piece_sender.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace drelk::window {

void PieceSender::Paint(const QSize& window, const QRegion& dirty, const Draw& draw,
                        const Send& send)
{
    if (canvas_.size() != window) {
        // Left uninitialised: only the pages painted ever become resident.
        canvas_ = QImage(window, QImage::Format_RGB32);
    }
    const QRegion region = dirty & canvas_.rect();
    if (region.isEmpty()) {
        return;
    }
    {
        QPainter painter(&canvas_);
        painter.setClipRegion(region);
        draw(painter, region);
    }
    constexpr std::size_t kBytesPerPixel = 4;
    const uchar* bits = canvas_.constBits();
    const auto stride = static_cast<std::size_t>(canvas_.bytesPerLine());
    for (const QRect& rect : region) {
        const std::size_t row_bytes = static_cast<std::size_t>(rect.width()) * kBytesPerPixel;
        const int band_rows = static_cast<int>(std::max<std::size_t>(1, max_bytes_ / row_bytes));
        for (int top = rect.top(); top <= rect.bottom(); top += band_rows) {
            const int rows = std::min(band_rows, rect.bottom() + 1 - top);
            packed_.resize(std::max(packed_.size(), row_bytes * static_cast<std::size_t>(rows)));
            for (int row = 0; row < rows; ++row) {
                std::memcpy(packed_.data() + row_bytes * static_cast<std::size_t>(row),
                            bits + stride * static_cast<std::size_t>(top + row) +
                                static_cast<std::size_t>(rect.left()) * kBytesPerPixel,
                            row_bytes);
            }
            const QImage piece(packed_.data(), rect.width(), rows,
                               static_cast<qsizetype>(row_bytes), QImage::Format_RGB32);
            send(piece, QPoint(rect.left(), top));
        }
    }
}

} // namespace drelk::window
