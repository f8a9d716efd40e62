// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/tile_layer.h"

#include "window/wayland/connection.h"

#include "viewporter-client-protocol.h"

#include <QColor>

#include <wayland-client.h>

namespace drelk::window {
namespace {

// Subsurfaces and buffers kept beyond those in use, so that a tick's tiles seldom make new
// ones: a buffer whose tile was painted last tick comes back a little after this tick needs
// one.
constexpr std::size_t kSpareTiles = 8;
constexpr std::size_t kSpareBuffers = 8;

} // namespace

TileLayer::TileLayer(WaylandConnection& connection, wl_surface* surface, wp_viewport* viewport,
                     QSize size, int ratio)
    : connection_(connection), surface_(surface), viewport_(viewport), ratio_(ratio)
{
    grid_.Reset(size);
    shown_.resize(static_cast<std::size_t>(grid_.Count()));
}

TileLayer::~TileLayer()
{
    for (auto& tile : shown_) {
        if (tile) {
            Destroy(*tile);
        }
    }
    DropIdle(0);
    for (auto& tile : hidden_now_) {
        Destroy(*tile);
    }
}

void TileLayer::Destroy(Tile& tile)
{
    wl_subsurface_destroy(tile.subsurface);
    wl_surface_destroy(tile.surface);
}

bool TileLayer::SetBackground(QRgb background, QString& why)
{
    // The middle of a small picture all of the colour, a pixel in from each edge: a compositor
    // that stretches a picture by a transform rounded to its fixed point samples a little
    // beyond it at the far edges (sway 1.7 with pixman left the last 2 rows of a 480-row
    // output unpainted, showing its own grey, when the picture was one pixel), and one that
    // filters reads the neighbours; either finds the colour there. Of 16 pixels square, sway
    // 1.7's pixman stretches it at half the cost of one pixel or three.
    constexpr int kSide = 16;
    std::unique_ptr<ShmBuffer> pixel =
        ShmBuffer::Create(connection_.Shm(), QSize(kSide, kSide), 1, why);
    if (!pixel) {
        return false;
    }
    pixel->Image().fill(QColor::fromRgb(background));
    wp_viewport_set_source(viewport_, wl_fixed_from_int(1), wl_fixed_from_int(1),
                           wl_fixed_from_int(kSide - 2), wl_fixed_from_int(kSide - 2));
    wl_surface_attach(surface_, pixel->Proxy(), 0, 0);
    wl_surface_damage_buffer(surface_, 0, 0, kSide, kSide);
    pixel->Attached();
    old_background_ = std::move(background_);
    background_ = std::move(pixel);
    background_colour_ = background;
    // Every tile was painted on the old colour, and those holding nothing were not shown.
    grid_.MarkAll();
    return true;
}

ShmBuffer* TileLayer::FreeBuffer(QSize pixels, QString& why)
{
    for (auto& buffer : buffers_) {
        if (!buffer->Busy() && buffer->Image().size() == pixels) {
            return buffer.get();
        }
    }
    std::unique_ptr<ShmBuffer> made = ShmBuffer::Create(connection_.Shm(), pixels, ratio_, why);
    if (!made) {
        return nullptr;
    }
    buffers_.push_back(std::move(made));
    return buffers_.back().get();
}

TileLayer::Tile& TileLayer::Show(int index)
{
    std::unique_ptr<Tile> tile;
    if (!idle_.empty()) {
        tile = std::move(idle_.back());
        idle_.pop_back();
    } else {
        tile = std::make_unique<Tile>();
        wl_compositor* compositor = connection_.Compositor();
        tile->surface = wl_compositor_create_surface(compositor);
        // Synchronized, as a new subsurface is: its pictures wait for the surface's commit.
        tile->subsurface =
            wl_subcompositor_get_subsurface(connection_.Subcompositor(), tile->surface, surface_);
        wl_surface_set_buffer_scale(tile->surface, ratio_);
        // The pointer and the keyboard go to the surface beneath, as if there were no tiles.
        wl_region* none = wl_compositor_create_region(compositor);
        wl_surface_set_input_region(tile->surface, none);
        wl_region_destroy(none);
    }
    const QRect rect = grid_.Rect(index);
    wl_subsurface_set_position(tile->subsurface, rect.x(), rect.y());
    wl_region* opaque = wl_compositor_create_region(connection_.Compositor());
    wl_region_add(opaque, 0, 0, rect.width(), rect.height());
    wl_surface_set_opaque_region(tile->surface, opaque);
    wl_region_destroy(opaque);
    auto& place = shown_[static_cast<std::size_t>(index)];
    place = std::move(tile);
    ++shown_count_;
    return *place;
}

void TileLayer::Hide(int index)
{
    std::unique_ptr<Tile> tile = std::move(shown_[static_cast<std::size_t>(index)]);
    --shown_count_;
    wl_surface_attach(tile->surface, nullptr, 0, 0);
    wl_surface_commit(tile->surface);
    // Not moved elsewhere in the same commit: to the compositor that is a move, and sway 1.7
    // then repaints where it goes but not where it was.
    hidden_now_.push_back(std::move(tile));
}

// Only subsurfaces unmapped by an earlier commit of the surface: one unmapped in this tick
// shows its old picture until the surface's commit, and destroying it would take that away
// sooner.
void TileLayer::DropIdle(std::size_t keep)
{
    while (idle_.size() > keep) {
        Destroy(*idle_.back());
        idle_.pop_back();
    }
}

void TileLayer::DropFreeBuffers(std::size_t keep)
{
    std::size_t free = 0;
    std::erase_if(buffers_, [&free, keep](const std::unique_ptr<ShmBuffer>& buffer) {
        return !buffer->Busy() && ++free > keep;
    });
}

TileLayer::Outcome TileLayer::Paint(const HiveCanvas::Draw& draw, QRgb background, QString& why)
{
    for (auto& tile : hidden_now_) {
        idle_.push_back(std::move(tile));
    }
    hidden_now_.clear();
    DropIdle(kSpareTiles);
    bool changed = false;
    if (!background_ || background != background_colour_) {
        if (!SetBackground(background, why)) {
            return Outcome::Failed;
        }
        changed = true;
    }
    for (const int index : grid_.TakeStale()) {
        const QRegion damage = grid_.TakeDamage(index);
        const QRect rect = grid_.Rect(index);
        ShmBuffer* buffer = FreeBuffer(rect.size() * ratio_, why);
        if (!buffer) {
            return Outcome::Failed;
        }
        painter_.Paint(buffer->Image(), rect, draw);
        const bool was_shown = shown_[static_cast<std::size_t>(index)] != nullptr;
        if (OnlyBackground(buffer->Image(), background)) {
            if (was_shown) {
                Hide(index);
                changed = true;
            }
            continue;
        }
        Tile& tile = was_shown ? *shown_[static_cast<std::size_t>(index)] : Show(index);
        wl_surface_attach(tile.surface, buffer->Proxy(), 0, 0);
        // Newly shown, all of it is new; the compositor damages it whole anyway.
        for (const QRect& damaged :
             was_shown ? damage : QRegion(QRect(QPoint(0, 0), rect.size()))) {
            wl_surface_damage_buffer(tile.surface, damaged.x() * ratio_, damaged.y() * ratio_,
                                     damaged.width() * ratio_, damaged.height() * ratio_);
        }
        wl_surface_commit(tile.surface);
        buffer->Attached();
        changed = true;
    }
    DropFreeBuffers(shown_count_ + kSpareBuffers);
    return changed ? Outcome::Changed : Outcome::Unchanged;
}

} // namespace drelk::window
