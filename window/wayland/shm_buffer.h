// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QSize>
#include <QString>

#include <memory>

struct wl_buffer;
struct wl_shm;

namespace drelk::window {

// One picture in memory shared with the compositor, which reads it once it is attached to a
// surface and committed, until it releases it. Painted through an image over that memory.
class ShmBuffer {
public:
    // A buffer of `pixels`, painted `ratio` buffer pixels to the surface's pixel, or null with
    // the reason in `why`.
    static std::unique_ptr<ShmBuffer> Create(wl_shm* shm, QSize pixels, qreal ratio, QString& why);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    wl_buffer* Proxy() const { return buffer_; }
    // The pixels, QImage::Format_RGB32, as the compositor will read them.
    QImage& Image() { return image_; }
    // Kept active between paints: beginning to paint costs more than a tick's drawing.
    QPainter& Painter();
    // Attached and committed, and not yet released: the compositor may read it any time.
    bool Busy() const { return busy_; }
    void Attached() { busy_ = true; }
    // What has changed in the picture since this buffer was last painted, in the surface's
    // device-independent pixels: to be painted again before it is shown.
    QRegion stale;

private:
    ShmBuffer(wl_buffer* buffer, void* memory, std::size_t bytes, QSize pixels, int stride,
              qreal ratio);
    static void OnRelease(void* data, wl_buffer* buffer);

    wl_buffer* buffer_;
    void* memory_;
    std::size_t bytes_;
    QImage image_;
    QPainter painter_;
    bool busy_ = false;
};

} // namespace drelk::window
