// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/hive/hive_canvas.h"
#include "window/wayland/shm_buffer.h"
#include "window/wayland/tile_grid.h"

#include <QRegion>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

struct wl_subsurface;
struct wl_surface;
struct wp_viewport;

namespace drelk::window {

class WaylandConnection;

// A layer surface's picture in memory that follows what is drawn, not the screen: the
// surface itself shows a few pixels of the background's colour, which the compositor
// stretches over it through its viewport, and each tile of the surface that holds an element is a
// subsurface above it with a small buffer of its own. A tile is painted whole, background and
// every element that reaches it, and is opaque: no subsurface blends with another, and each
// pixel is the whole picture's. The subsurfaces are synchronized, so that a tick's tiles all
// change at the surface's next commit; those no longer needed wait, unmapped, to be moved
// where an element goes next. Buffers come from a pool that lends each tile one the
// compositor is not reading.
class TileLayer {
public:
    // Over `surface`, of `size` in device-independent pixels, whose viewport shows its buffer
    // at that size; tiles painted at `ratio` buffer pixels to the surface's pixel.
    TileLayer(WaylandConnection& connection, wl_surface* surface, wp_viewport* viewport, QSize size,
              int ratio);
    ~TileLayer();
    TileLayer(const TileLayer&) = delete;
    TileLayer& operator=(const TileLayer&) = delete;

    // `region` has changed, to be painted at the next Paint().
    void MarkDirty(const QRegion& region) { grid_.MarkDirty(region); }

    enum class Outcome {
        Unchanged, // nothing to commit
        Changed,   // the surface's commit shows what changed
        Failed,    // no memory for a buffer: `why` says so
    };
    // Paints every tile that has changed on a `background` of that colour, and hands each
    // changed subsurface its new picture, shown at the surface's next commit.
    Outcome Paint(const HiveCanvas::Draw& draw, QRgb background, QString& why);

private:
    struct Tile {
        wl_surface* surface = nullptr;
        wl_subsurface* subsurface = nullptr;
    };

    bool SetBackground(QRgb background, QString& why);
    ShmBuffer* FreeBuffer(QSize pixels, QString& why);
    Tile& Show(int index);
    void Hide(int index);
    void DropIdle(std::size_t keep);
    void DropFreeBuffers(std::size_t keep);
    static void Destroy(Tile& tile);

    WaylandConnection& connection_;
    wl_surface* surface_;
    wp_viewport* viewport_;
    int ratio_;
    TileGrid grid_;
    TilePainter painter_;
    // The one pixel shown now, and the one before it (kept until it cannot be read).
    std::unique_ptr<ShmBuffer> background_;
    std::unique_ptr<ShmBuffer> old_background_;
    QRgb background_colour_ = 0;
    std::vector<std::unique_ptr<Tile>> shown_;      // by tile of the grid; null where none is
    std::vector<std::unique_ptr<Tile>> idle_;       // unmapped, to be used again
    std::vector<std::unique_ptr<Tile>> hidden_now_; // unmapped at the coming commit
    std::size_t shown_count_ = 0;
    std::vector<std::unique_ptr<ShmBuffer>> buffers_;
};

} // namespace drelk::window
