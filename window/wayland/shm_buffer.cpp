// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/shm_buffer.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstring>

namespace drelk::window {
namespace {

// QImage::Format_RGB32 as the compositor names it: 32-bit words 0xffRRGGBB in this machine's
// byte order, while the compositor's formats are little-endian.
constexpr std::uint32_t kFormat =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? WL_SHM_FORMAT_XRGB8888 : WL_SHM_FORMAT_BGRX8888;

QString Failed(const char* what)
{
    return QCoreApplication::translate("ShmBuffer", "no shared memory for the picture: %1 (%2)")
        .arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

std::unique_ptr<ShmBuffer> ShmBuffer::Create(wl_shm* shm, QSize pixels, qreal ratio, QString& why)
{
    const int stride = pixels.width() * 4;
    const auto bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(pixels.height());
    const int fd = memfd_create("drelk-picture", MFD_CLOEXEC);
    if (fd < 0) {
        why = Failed("memfd_create");
        return nullptr;
    }
    if (ftruncate(fd, static_cast<off_t>(bytes)) < 0) {
        why = Failed("ftruncate");
        close(fd);
        return nullptr;
    }
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory == MAP_FAILED) {
        why = Failed("mmap");
        close(fd);
        return nullptr;
    }
    // The compositor maps the memory itself; once it has the pool, the file is not needed.
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(bytes));
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride, kFormat);
    wl_shm_pool_destroy(pool);
    close(fd);
    return std::unique_ptr<ShmBuffer>(new ShmBuffer(buffer, memory, bytes, pixels, stride, ratio));
}

ShmBuffer::ShmBuffer(wl_buffer* buffer, void* memory, std::size_t bytes, QSize pixels, int stride,
                     qreal ratio)
    : buffer_(buffer), memory_(memory), bytes_(bytes),
      image_(static_cast<uchar*>(memory), pixels.width(), pixels.height(), stride,
             QImage::Format_RGB32)
{
    image_.setDevicePixelRatio(ratio);
    static const wl_buffer_listener listener = {.release = OnRelease};
    wl_buffer_add_listener(buffer_, &listener, this);
}

ShmBuffer::~ShmBuffer()
{
    if (painter_.isActive()) {
        painter_.end();
    }
    wl_buffer_destroy(buffer_);
    munmap(memory_, bytes_);
}

QPainter& ShmBuffer::Painter()
{
    if (!painter_.isActive()) {
        painter_.begin(&image_);
    }
    return painter_;
}

void ShmBuffer::OnRelease(void* data, wl_buffer*) { static_cast<ShmBuffer*>(data)->busy_ = false; }

} // namespace drelk::window
