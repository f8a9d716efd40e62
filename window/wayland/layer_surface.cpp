// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/layer_surface.h"

#include "window/hive/dirty_region.h"
#include "window/wayland/connection.h"
#include "window/wayland/output.h"
#include "window/wayland/surface_painter.h"

#include "fractional-scale-v1-client-protocol.h"
#include "viewporter-client-protocol.h"
#include "window/wayland/layer_shell_protocol.h"

#include <wayland-client.h>

#include <cmath>
#include <vector>

namespace drelk::window {
namespace {

constexpr char kNamespace[] = "drelk";
constexpr std::uint32_t kAllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

} // namespace

LayerSurface::LayerSurface(WaylandConnection& connection, const WaylandOutput& output, Layer layer)
    : connection_(connection), output_(output)
{
    surface_ = wl_compositor_create_surface(connection_.Compositor());
    const bool saver = layer == Layer::Saver;
    layer_ = zwlr_layer_shell_v1_get_layer_surface(
        connection_.LayerShell(), surface_, output_.Proxy(),
        saver ? ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY : ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND,
        kNamespace);
    static const zwlr_layer_surface_v1_listener listener = {.configure = OnConfigure,
                                                            .closed = OnClosed};
    zwlr_layer_surface_v1_add_listener(layer_, &listener, this);
    // The whole output, under panels and docks too: the compositor gives the size.
    zwlr_layer_surface_v1_set_size(layer_, 0, 0);
    zwlr_layer_surface_v1_set_anchor(layer_, kAllEdges);
    zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        layer_, saver ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                      : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    if (!saver) {
        // A background takes no pointer either: an empty input region.
        wl_region* none = wl_compositor_create_region(connection_.Compositor());
        wl_surface_set_input_region(surface_, none);
        wl_region_destroy(none);
    }
    // Where the compositor says a fractional scale, buffers are made at it and shown through
    // a viewport at the surface's size.
    if (connection_.FractionalScale() && connection_.Viewporter()) {
        viewport_ = wp_viewporter_get_viewport(connection_.Viewporter(), surface_);
        fractional_ = wp_fractional_scale_manager_v1_get_fractional_scale(
            connection_.FractionalScale(), surface_);
        static const wp_fractional_scale_v1_listener scale_listener = {.preferred_scale =
                                                                           OnPreferredScale};
        wp_fractional_scale_v1_add_listener(fractional_, &scale_listener, this);
    }
    wl_surface_commit(surface_);
}

LayerSurface::~LayerSurface()
{
    buffers_ = {};
    if (frame_) {
        wl_callback_destroy(frame_);
    }
    if (fractional_) {
        wp_fractional_scale_v1_destroy(fractional_);
    }
    if (viewport_) {
        wp_viewport_destroy(viewport_);
    }
    zwlr_layer_surface_v1_destroy(layer_);
    wl_surface_destroy(surface_);
    connection_.Flush();
}

bool LayerSurface::Shows(const QWidget&) const { return !size_.isEmpty() && !closed_; }

bool LayerSurface::Suits(QWidget&) { return !failed_; }

qreal LayerSurface::Ratio() const
{
    return fractional_ && scale120_ != 0 ? scale120_ / 120.0 : output_.Scale();
}

void LayerSurface::OutputChanged()
{
    if (!size_.isEmpty() && Ratio() != buffer_ratio_) {
        Refit();
    }
}

void LayerSurface::OnConfigure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                               std::uint32_t width, std::uint32_t height)
{
    auto* self = static_cast<LayerSurface*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    // Anchored to all four edges, the surface is as large as the output; a compositor that
    // leaves a side to the client gets the size already shown, or a small one.
    QSize size(static_cast<int>(width), static_cast<int>(height));
    if (size.isEmpty()) {
        size = self->size_.isEmpty() ? QSize(640, 480) : self->size_;
    }
    if (size == self->size_) {
        return;
    }
    self->size_ = size;
    self->Refit();
    if (self->resized) {
        self->resized(size);
    }
}

void LayerSurface::OnClosed(void* data, zwlr_layer_surface_v1*)
{
    auto* self = static_cast<LayerSurface*>(data);
    self->closed_ = true;
    if (self->closed) {
        self->closed();
    }
}

void LayerSurface::OnPreferredScale(void* data, wp_fractional_scale_v1*, std::uint32_t scale120)
{
    auto* self = static_cast<LayerSurface*>(data);
    self->scale120_ = scale120;
    self->OutputChanged();
}

void LayerSurface::OnFrameDone(void* data, wl_callback* callback, std::uint32_t)
{
    auto* self = static_cast<LayerSurface*>(data);
    wl_callback_destroy(callback);
    self->frame_ = nullptr;
}

void LayerSurface::Refit()
{
    const qreal ratio = Ratio();
    buffer_ratio_ = ratio;
    buffers_ = {};
    if (viewport_) {
        wp_viewport_set_destination(viewport_, size_.width(), size_.height());
    } else {
        wl_surface_set_buffer_scale(surface_, output_.Scale());
    }
    // Opaque everywhere: what lies beneath need not be drawn.
    wl_region* opaque = wl_compositor_create_region(connection_.Compositor());
    wl_region_add(opaque, 0, 0, size_.width(), size_.height());
    wl_surface_set_opaque_region(surface_, opaque);
    wl_region_destroy(opaque);
    AllStale();
}

void LayerSurface::AllStale()
{
    const QRect whole(QPoint(0, 0), size_);
    for (auto& buffer : buffers_) {
        if (buffer) {
            buffer->stale = whole;
        }
    }
    changed_whole_ = true;
}

// A buffer the compositor is not reading. The second is made only when the first is still
// held: a compositor that copies the picture as it is committed releases it at once.
ShmBuffer* LayerSurface::FreeBuffer()
{
    for (auto& buffer : buffers_) {
        if (!buffer) {
            const QSize pixels(static_cast<int>(std::lround(size_.width() * buffer_ratio_)),
                               static_cast<int>(std::lround(size_.height() * buffer_ratio_)));
            QString why;
            buffer = ShmBuffer::Create(connection_.Shm(), pixels, buffer_ratio_, why);
            if (!buffer) {
                failed_ = true;
                if (broke) {
                    broke(why);
                }
                return nullptr;
            }
            buffer->stale = QRect(QPoint(0, 0), size_);
        }
        if (!buffer->Busy()) {
            return buffer.get();
        }
    }
    return nullptr;
}

bool LayerSurface::Paint(QWidget&, const QRegion& dirty, const Draw& draw)
{
    if (closed_ || size_.isEmpty()) {
        return true;
    }
    if (failed_) {
        return false;
    }
    for (auto& buffer : buffers_) {
        if (buffer) {
            buffer->stale += dirty;
        }
    }
    // Until the compositor has shown the last picture, it is not shown at all, or it is
    // behind: nothing is painted, and when it is shown again it gets the whole picture.
    ShmBuffer* buffer = frame_ ? nullptr : FreeBuffer();
    if (!buffer) {
        AllStale();
        return !failed_;
    }
    const QRect whole(QPoint(0, 0), size_);
    PaintSurfaceRegion(buffer->Image(), buffer->Painter(), buffer->stale & whole, draw);
    buffer->stale = QRegion();
    Commit(*buffer, changed_whole_ ? QRegion(whole) : dirty);
    return true;
}

void LayerSurface::Commit(ShmBuffer& buffer, const QRegion& changed)
{
    wl_surface_attach(surface_, buffer.Proxy(), 0, 0);
    // The damage in few rectangles: each is a request, and a pass of the compositor's over
    // what lies there (sway 1.7 with pixman: 26 rectangles a commit cost it 4 times the CPU of
    // 10).
    const QRect pixels = buffer.Image().rect();
    for (const QRect& rect : BoxedRegion({changed.begin(), changed.end()})) {
        const QRect damaged = BufferRect(rect, buffer_ratio_) & pixels;
        wl_surface_damage_buffer(surface_, damaged.x(), damaged.y(), damaged.width(),
                                 damaged.height());
    }
    changed_whole_ = false;
    static const wl_callback_listener frame_listener = {.done = OnFrameDone};
    frame_ = wl_surface_frame(surface_);
    wl_callback_add_listener(frame_, &frame_listener, this);
    wl_surface_commit(surface_);
    buffer.Attached();
}

} // namespace drelk::window
