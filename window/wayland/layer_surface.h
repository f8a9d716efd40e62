// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/hive/hive_canvas.h"
#include "window/wayland/shm_buffer.h"

#include <QRegion>
#include <QSize>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

struct wl_callback;
struct wl_surface;
struct wp_fractional_scale_v1;
struct wp_viewport;
struct zwlr_layer_surface_v1;

namespace drelk::window {

class WaylandConnection;
class WaylandOutput;

// A hive's canvas on one output of a Wayland compositor: a layer surface covering the whole
// output, painted into two shared-memory buffers in turn. A tick repaints, into the buffer
// the compositor has released, what changed since that buffer was last painted, and commits
// it with the tick's damage. While the compositor shows none of the surface (a full-screen
// window, a locked or blanked screen) it sends no frame callback, and nothing is painted or
// committed; the first tick after it shows again paints the whole picture.
class LayerSurface final : public HiveCanvas {
public:
    enum class Layer {
        Background, // under every window and panel, taking no input
        Saver,      // above every window, taking the keyboard and the pointer
    };

    // Asks for the surface; it is shown once the compositor has configured it.
    LayerSurface(WaylandConnection& connection, const WaylandOutput& output, Layer layer);
    ~LayerSurface() override;
    LayerSurface(const LayerSurface&) = delete;
    LayerSurface& operator=(const LayerSurface&) = delete;

    bool Shows(const QWidget& hive) const override;
    bool Suits(QWidget& hive) override;
    bool Paint(QWidget& hive, const QRegion& dirty, const Draw& draw) override;

    // Its size in device-independent pixels, as the compositor last configured it; empty
    // before that.
    QSize Size() const { return size_; }
    // The output's scale may have changed.
    void OutputChanged();
    // Its output has gone, or the program is done with it: nothing more is painted on it.
    void Withdraw() { closed_ = true; }

    // At each configure that changes its size, the first one included.
    std::function<void(QSize size)> resized;
    // The compositor will not show it again.
    std::function<void()> closed;
    // There is no memory for its buffers: it cannot be painted.
    std::function<void(const QString& why)> broke;

private:
    static void OnConfigure(void* data, zwlr_layer_surface_v1* surface, std::uint32_t serial,
                            std::uint32_t width, std::uint32_t height);
    static void OnClosed(void* data, zwlr_layer_surface_v1* surface);
    static void OnFrameDone(void* data, wl_callback* callback, std::uint32_t time);
    static void OnPreferredScale(void* data, wp_fractional_scale_v1* scale, std::uint32_t scale120);

    qreal Ratio() const;
    // New buffers for the size and scale, with everything to paint.
    void Refit();
    void AllStale();
    ShmBuffer* FreeBuffer();
    // Commits `buffer`, with `changed` (in device-independent pixels) as its damage. The
    // owner of the connection sends it, with the other surfaces' commits of the tick.
    void Commit(ShmBuffer& buffer, const QRegion& changed);

    WaylandConnection& connection_;
    const WaylandOutput& output_;
    wl_surface* surface_ = nullptr;
    zwlr_layer_surface_v1* layer_ = nullptr;
    wp_viewport* viewport_ = nullptr;
    wp_fractional_scale_v1* fractional_ = nullptr;
    wl_callback* frame_ = nullptr; // the frame callback asked for with the last commit
    QSize size_;
    std::uint32_t scale120_ = 0; // the compositor's preferred scale in 120ths, where it says
    qreal buffer_ratio_ = 0;     // the ratio the buffers were made for
    std::array<std::unique_ptr<ShmBuffer>, 2> buffers_;
    // Everything has changed since the last commit (new buffers, or ticks left unshown), not
    // only the tick's region.
    bool changed_whole_ = true;
    bool closed_ = false;
    bool failed_ = false;
};

} // namespace drelk::window
