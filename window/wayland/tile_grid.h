// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/hive/hive_canvas.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <vector>

namespace drelk::window {

// A surface cut into square tiles, in its device-independent pixels, with what has changed
// in each since it was last painted. The hive's elements are small and few: only the tiles
// that hold one need a picture of their own, the rest show the background.
class TileGrid {
public:
    // Small enough that a tile's buffer costs little (64 KiB at scale 2), large enough that an
    // element reaches only a few tiles, each of which draws it again, and each of which is a
    // piece of the tick's damage.
    static constexpr int kTileSize = 64;

    // A grid over `size`, every tile to be painted, wholly damaged. The last column and row
    // are cut at the surface's edge.
    void Reset(QSize size);
    // The tiles `region` reaches are to be painted again, damaged where it reaches them.
    void MarkDirty(const QRegion& region);
    // Every tile to be painted again, wholly damaged.
    void MarkAll();
    // The tiles to paint again, in no particular order; they are no longer stale.
    std::vector<int> TakeStale();
    // What changed in the tile since its last paint, in its own pixels; empty once taken.
    QRegion TakeDamage(int index);

    int Count() const { return static_cast<int>(damage_.size()); }
    QRect Rect(int index) const;

private:
    void Damage(int index, const QRect& local);
    bool Stale(int index) const { return stale_flags_[static_cast<std::size_t>(index)]; }

    QSize size_;
    int columns_ = 0;
    int rows_ = 0;
    // By tile, in its own pixels: the pieces of the rectangles that reached it, which the
    // compositor joins again into those rectangles.
    std::vector<QRegion> damage_;
    std::vector<bool> stale_flags_;
    std::vector<int> stale_;
};

// Paints tiles of a surface whole, each the same pixels as a picture of the whole surface has
// there. Qt's antialiasing of a shape cut by the image's edge differs by a level or so from
// the same shape drawn whole (Qt 6.4: the queen's outline across a tile's edge), so each tile
// is painted in the middle of a larger picture, and only its own pixels copied out.
class TilePainter {
public:
    // Paints `tile`, in the surface's device-independent pixels, into `image`: the tile's size
    // at the image's device pixel ratio, a whole number, in QImage::Format_RGB32.
    void Paint(QImage& image, const QRect& tile, const HiveCanvas::Draw& draw);

private:
    QImage scratch_;
    QPainter painter_; // kept active: beginning to paint costs more than a tile's drawing
};

// Whether every pixel of `image` (QImage::Format_RGB32) is `background`.
bool OnlyBackground(const QImage& image, QRgb background);

} // namespace drelk::window
