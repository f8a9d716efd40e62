// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/tile_grid.h"

#include <algorithm>
#include <utility>

namespace drelk::window {

void TileGrid::Reset(QSize size)
{
    size_ = size;
    columns_ = (size.width() + kTileSize - 1) / kTileSize;
    rows_ = (size.height() + kTileSize - 1) / kTileSize;
    damage_.assign(static_cast<std::size_t>(columns_ * rows_), QRect());
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
    QRect& damage = damage_[static_cast<std::size_t>(index)];
    if (damage.isEmpty()) {
        stale_.push_back(index);
    }
    damage |= local;
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

QRect TileGrid::TakeDamage(int index)
{
    return std::exchange(damage_[static_cast<std::size_t>(index)], QRect());
}

void PaintTile(QPainter& painter, const QRect& tile, const HiveCanvas::Draw& draw)
{
    // Each paint starts as a fresh painter would: the painter stays active between paints.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.resetTransform();
    // Whole device pixels to the surface's pixel: the tile's pixels are the whole picture's,
    // moved by a whole number of them, and the image's bounds clip what reaches beyond.
    painter.translate(-tile.topLeft());
    draw(painter, QRegion(tile));
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
