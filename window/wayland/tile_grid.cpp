// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/tile_grid.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace drelk::window {

void TileGrid::Reset(QSize size)
{
    size_ = size;
    columns_ = (size.width() + kTileSize - 1) / kTileSize;
    rows_ = (size.height() + kTileSize - 1) / kTileSize;
    damage_.assign(static_cast<std::size_t>(columns_ * rows_), QRegion());
    stale_flags_.assign(damage_.size(), false);
    stale_.clear();
    MarkAll();
}

QRect TileGrid::Rect(int index) const
{
    const QRect cell((index % columns_) * kTileSize, (index / columns_) * kTileSize, kTileSize,
                     kTileSize);
    return cell & QRect(QPoint(0, 0), size_);
}

void TileGrid::Damage(int index, const QRect& local)
{
    if (!Stale(index)) {
        stale_flags_[static_cast<std::size_t>(index)] = true;
        stale_.push_back(index);
    }
    damage_[static_cast<std::size_t>(index)] += local;
}

void TileGrid::MarkDirty(const QRegion& region)
{
    for (const QRect& dirty : region) {
        const QRect rect = dirty & QRect(QPoint(0, 0), size_);
        if (rect.isEmpty()) {
            continue;
        }
        for (int row = rect.top() / kTileSize; row <= rect.bottom() / kTileSize; ++row) {
            for (int column = rect.left() / kTileSize; column <= rect.right() / kTileSize;
                 ++column) {
                const int index = row * columns_ + column;
                const QRect tile = Rect(index);
                Damage(index, (rect & tile).translated(-tile.topLeft()));
            }
        }
    }
}

void TileGrid::MarkAll()
{
    for (int index = 0; index < Count(); ++index) {
        const QRect tile = Rect(index);
        Damage(index, QRect(QPoint(0, 0), tile.size()));
    }
}

std::vector<int> TileGrid::TakeStale() { return std::exchange(stale_, {}); }

QRegion TileGrid::TakeDamage(int index)
{
    stale_flags_[static_cast<std::size_t>(index)] = false;
    return std::exchange(damage_[static_cast<std::size_t>(index)], QRegion());
}

namespace {

// How far around a tile it is painted: beyond what one level of antialiasing reaches.
constexpr int kTileMargin = 8;

} // namespace

void TilePainter::Paint(QImage& image, const QRect& tile, const HiveCanvas::Draw& draw)
{
    const qreal ratio = image.devicePixelRatio();
    const int side = static_cast<int>((TileGrid::kTileSize + 2 * kTileMargin) * ratio);
    if (scratch_.width() != side) {
        if (painter_.isActive()) {
            painter_.end();
        }
        scratch_ = QImage(side, side, QImage::Format_RGB32);
        scratch_.setDevicePixelRatio(ratio);
    }
    if (!painter_.isActive()) {
        painter_.begin(&scratch_);
    }
    // Each paint starts as a fresh painter would.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.resetTransform();
    // Whole device pixels to the surface's pixel: the picture is the whole one's, moved by
    // a whole number of them.
    const QPoint origin = tile.topLeft() - QPoint(kTileMargin, kTileMargin);
    painter_.translate(-origin);
    draw(painter_, QRegion(QRect(origin, QSize(side, side) / ratio)));
    const auto offset = static_cast<int>(kTileMargin * ratio);
    const auto skipped = static_cast<std::size_t>(offset) * sizeof(QRgb);
    const auto row_bytes = static_cast<std::size_t>(image.width()) * sizeof(QRgb);
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(image.scanLine(y), scratch_.constScanLine(y + offset) + skipped, row_bytes);
    }
}

bool OnlyBackground(const QImage& image, QRgb background)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(line, line + image.width(),
                         [background](QRgb pixel) { return pixel == background; })) {
            return false;
        }
    }
    return true;
}

} // namespace drelk::window
