// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/x11/piece_sender.h"

#include <QPainter>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace drelk::window {
namespace {

constexpr std::size_t kBytesPerPixel = 4;

std::size_t Bytes(const QRegion& region)
{
    std::size_t pixels = 0;
    for (const QRect& rect : region) {
        pixels += static_cast<std::size_t>(rect.width()) * static_cast<std::size_t>(rect.height());
    }
    return pixels * kBytesPerPixel;
}

std::size_t PageSize() { return static_cast<std::size_t>(sysconf(_SC_PAGESIZE)); }

} // namespace

PieceSender::~PieceSender()
{
    EndPainting();
    Unmap();
}

void PieceSender::EndPainting()
{
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PieceSender::Paint(const QSize& window, const QRegion& dirty, const Draw& draw,
                        const Send& send)
{
    // A window of no area has nothing to paint, which is not a failure.
    const QRegion region = dirty & QRect(QPoint(0, 0), window);
    if (region.isEmpty()) {
        return true;
    }
    if (!Fit(window)) {
        return false;
    }
    // The painter stays active between paints: beginning to paint costs more than a tick's
    // drawing. Each paint starts from the same state.
    if (!painter_.isActive() && !painter_.begin(&canvas_)) {
        return false;
    }
    QPainter& painter = painter_;
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (Bytes(region) <= max_bytes_) {
        draw(painter, region);
        for (const QRect& rect : region) {
            ForEachPiece(rect, [&](const QRect& piece) { SendPiece(piece, send); });
        }
        return true;
    }
    const bool release = canvas_.sizeInBytes() > static_cast<qsizetype>(kept_bytes_);
    for (const QRect& rect : region) {
        ForEachPiece(rect, [&](const QRect& piece) {
            painter.setClipRect(piece);
            draw(painter, QRegion(piece));
            SendPiece(piece, send);
            if (release) {
                Release(piece);
            }
        });
    }
    return true;
}

// An anonymous mapping, whose pages cost nothing until painted, kept for any smaller size
// so that a storm of resizes does not map and unmap memory each time.
bool PieceSender::Fit(const QSize& window)
{
    const std::size_t stride = static_cast<std::size_t>(window.width()) * kBytesPerPixel;
    const std::size_t bytes = stride * static_cast<std::size_t>(window.height());
    if (canvas_.size() == window) {
        return true;
    }
    EndPainting();
    canvas_ = QImage();
    if (bytes > mapped_bytes_) {
        Unmap();
        void* memory =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) {
            return false;
        }
        memory_ = static_cast<uchar*>(memory);
        mapped_bytes_ = bytes;
    }
    canvas_ = QImage(memory_, window.width(), window.height(), static_cast<qsizetype>(stride),
                     QImage::Format_RGB32);
    return true;
}

void PieceSender::Unmap()
{
    if (memory_) {
        munmap(memory_, mapped_bytes_);
        memory_ = nullptr;
        mapped_bytes_ = 0;
    }
}

template <typename Each> void PieceSender::ForEachPiece(const QRect& rect, Each each) const
{
    const std::size_t row_bytes = static_cast<std::size_t>(rect.width()) * kBytesPerPixel;
    const int band_rows = static_cast<int>(std::max<std::size_t>(1, max_bytes_ / row_bytes));
    for (int top = rect.top(); top <= rect.bottom(); top += band_rows) {
        each(QRect(rect.left(), top, rect.width(), std::min(band_rows, rect.bottom() + 1 - top)));
    }
}

void PieceSender::SendPiece(const QRect& piece, const Send& send)
{
    const auto stride = static_cast<std::size_t>(canvas_.bytesPerLine());
    const std::size_t row_bytes = static_cast<std::size_t>(piece.width()) * kBytesPerPixel;
    const uchar* first = memory_ + stride * static_cast<std::size_t>(piece.top()) +
                         static_cast<std::size_t>(piece.left()) * kBytesPerPixel;
    if (row_bytes != stride) {
        // Rows of part of the window's width are gathered; whole rows already lie packed.
        packed_.resize(
            std::max(packed_.size(), row_bytes * static_cast<std::size_t>(piece.height())));
        for (int row = 0; row < piece.height(); ++row) {
            std::memcpy(packed_.data() + row_bytes * static_cast<std::size_t>(row),
                        first + stride * static_cast<std::size_t>(row), row_bytes);
        }
        first = packed_.data();
    }
    send(QImage(first, piece.width(), piece.height(), static_cast<qsizetype>(row_bytes),
                QImage::Format_RGB32),
         piece.topLeft());
}

// Gives back the whole pages a sent piece lies on; they read as zero until painted again.
void PieceSender::Release(const QRect& piece)
{
    const auto stride = static_cast<std::size_t>(canvas_.bytesPerLine());
    const std::size_t page = PageSize();
    const std::size_t begin = stride * static_cast<std::size_t>(piece.top()) +
                              static_cast<std::size_t>(piece.left()) * kBytesPerPixel;
    const std::size_t end = stride * static_cast<std::size_t>(piece.bottom()) +
                            static_cast<std::size_t>(piece.right() + 1) * kBytesPerPixel;
    const std::size_t first_page = (begin + page - 1) / page * page;
    const std::size_t last_page = end / page * page;
    if (last_page > first_page) {
        madvise(memory_ + first_page, last_page - first_page, MADV_DONTNEED);
    }
}

} // namespace drelk::window
