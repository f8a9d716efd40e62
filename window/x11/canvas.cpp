// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/x11/canvas.h"

#include "window/hive/paint_log.h"

#include <QGuiApplication>
#include <QImage>
#include <QSysInfo>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace drelk::window {
namespace {

// A piece is at most this big: within any X server's request size even without
// BIG-REQUESTS (256 KiB), and few requests for a full repaint.
constexpr std::size_t kPieceBytes = 192 * 1024;
// Windows up to this size keep the memory they were painted in (1920 x 1080 is 7.9 MiB):
// releasing it would fault it in again on every resize. Larger ones give it back.
constexpr std::size_t kKeptBytes = std::size_t{8} << 20;

std::size_t PieceBytes(xcb_connection_t* connection)
{
    // PutImage's header is 24 bytes, 28 with BIG-REQUESTS; Qt has already asked for the
    // maximum, so this is answered without a round trip.
    const std::size_t request_bytes = std::size_t{xcb_get_maximum_request_length(connection)} * 4;
    return std::min(kPieceBytes, request_bytes > 64 ? request_bytes - 32 : 4);
}

} // namespace

std::unique_ptr<X11Canvas> X11Canvas::ForThisDisplay()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) {
        return nullptr;
    }
    return std::unique_ptr<X11Canvas>(new X11Canvas(x11->connection()));
}

X11Canvas::X11Canvas(xcb_connection_t* connection)
    : connection_(connection), pieces_(PieceBytes(connection), kKeptBytes)
{
}

X11Canvas::~X11Canvas()
{
    if (gc_ != 0) {
        xcb_free_gc(connection_, gc_);
    }
}

bool X11Canvas::Shows(const QWidget& window) const { return window.isVisible(); }

bool X11Canvas::Suits(QWidget& window)
{
    if (const qreal ratio = window.devicePixelRatioF(); ratio != 1.0) {
        qCDebug(lcPaint) << "the X11 canvas steps aside: the device pixel ratio is" << ratio
                         << "and the canvas paints at 1";
        return false;
    }
    const auto id = static_cast<std::uint32_t>(window.winId());
    if (id != window_) {
        window_ = id;
        const QString mismatch = VisualMismatch(id);
        suits_ = mismatch.isEmpty();
        if (!suits_) {
            qCDebug(lcPaint).noquote() << "the X11 canvas steps aside:" << mismatch;
            return false;
        }
        qCDebug(lcPaint) << "painting on the X11 canvas: window" << Qt::hex << Qt::showbase << id
                         << "is 24-bit TrueColor";
        if (gc_ != 0) {
            xcb_free_gc(connection_, gc_);
        }
        gc_ = xcb_generate_id(connection_);
        const std::uint32_t no_exposures = 0;
        xcb_create_gc(connection_, gc_, id, XCB_GC_GRAPHICS_EXPOSURES, &no_exposures);
    }
    return suits_;
}

QString X11Canvas::VisualMismatch(std::uint32_t window) const
{
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr);
    if (!attributes) {
        return QStringLiteral("the window's attributes cannot be read");
    }
    const xcb_visualid_t visual = attributes->visual;
    std::free(attributes);

    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const auto host_order = QSysInfo::ByteOrder == QSysInfo::LittleEndian
                                ? XCB_IMAGE_ORDER_LSB_FIRST
                                : XCB_IMAGE_ORDER_MSB_FIRST;
    if (setup->image_byte_order != host_order) {
        return QStringLiteral("the X server's byte order is not this machine's");
    }
    bool packed = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
         xcb_format_next(&format)) {
        if (format.data->depth == 24) {
            packed = format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
        }
    }
    if (!packed) {
        return QStringLiteral("the X server does not store 24-bit pixels in 32-bit words");
    }
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen)) {
        for (auto depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem;
             xcb_depth_next(&depth)) {
            for (auto type = xcb_depth_visuals_iterator(depth.data); type.rem;
                 xcb_visualtype_next(&type)) {
                if (type.data->visual_id != visual) {
                    continue;
                }
                if (depth.data->depth == 24 && type.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                    type.data->red_mask == 0xFF0000u && type.data->green_mask == 0x00FF00u &&
                    type.data->blue_mask == 0x0000FFu) {
                    return {};
                }
                return QStringLiteral("the window's visual is %1-bit, class %2, not 24-bit "
                                      "TrueColor with red, green and blue in bytes 2, 1, 0")
                    .arg(depth.data->depth)
                    .arg(type.data->_class);
            }
        }
    }
    return QStringLiteral("the window's visual is not on any screen");
}

bool X11Canvas::Paint(QWidget& window, const QRegion& region, const Draw& draw)
{
    const auto id = static_cast<std::uint32_t>(window.winId());
    const bool painted = pieces_.Paint(
        window.size(), region, draw, [this, id](const QImage& pixels, const QPoint& at) {
            xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, id, gc_,
                          static_cast<std::uint16_t>(pixels.width()),
                          static_cast<std::uint16_t>(pixels.height()),
                          static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y()), 0,
                          24, static_cast<std::uint32_t>(pixels.sizeInBytes()), pixels.constBits());
        });
    xcb_flush(connection_);
    if (!painted) {
        qCDebug(lcPaint) << "the X11 canvas steps aside: no memory for an image of"
                         << window.size();
    }
    return painted;
}

} // namespace drelk::window
