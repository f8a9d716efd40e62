// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/x11/foreign_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace drelk::window {
namespace {

QString HexId(std::uint32_t id) { return QStringLiteral("0x%1").arg(id, 0, 16); }

xcb_connection_t* X11Connection()
{
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

void PlaceInside(QWidget& widget, QWindow& host, QSize size)
{
    widget.winId(); // the widget's own window must exist to be given a parent
    widget.windowHandle()->setParent(&host);
    widget.setGeometry(QRect(QPoint(0, 0), size));
    widget.show();
}

bool IsRootWindow(std::uint32_t id)
{
    xcb_connection_t* connection = X11Connection();
    if (!connection) {
        return false;
    }
    for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(connection)); screen.rem;
         xcb_screen_next(&screen)) {
        if (screen.data->root == id) {
            return true;
        }
    }
    return false;
}

std::optional<QSize> XWindowSize(std::uint32_t id)
{
    xcb_connection_t* connection = X11Connection();
    if (!connection) {
        return std::nullopt;
    }
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), &error);
    std::free(error);
    if (!geometry) {
        return std::nullopt;
    }
    const QSize size(geometry->width, geometry->height);
    std::free(geometry);
    return size;
}

ForeignWindow::ForeignWindow(QWidget& widget, std::uint32_t id)
    : QObject(&widget), widget_(widget), id_(id)
{
}

ForeignWindow::~ForeignWindow()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
    // The widget's window is a child of the host's, and Qt deletes child windows with their
    // parent: it is let go first, since the widget will still destroy it itself.
    if (QWindow* own = widget_.windowHandle()) {
        own->setParent(nullptr);
    }
}

ForeignWindow* ForeignWindow::Embed(QWidget& widget, std::uint32_t id, QString& why)
{
    xcb_connection_t* connection = X11Connection();
    if (!connection) {
        why = tr("drawing into another window needs an X11 display");
        return nullptr;
    }
    // The window's structure events are asked for before its size is read, so that no
    // later change of size, and not its end, can slip in between. This sets the whole of
    // what this connection asks of the window: Qt asks nothing of a foreign window (see the
    // header), or it would be lost here.
    const std::uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &events);
    const std::optional<QSize> size = XWindowSize(id);
    if (!size) {
        why = tr("there is no X window %1 to draw into").arg(HexId(id));
        return nullptr;
    }
    auto* keeper = new ForeignWindow(widget, id);
    keeper->host_.reset(QWindow::fromWinId(id));
    QCoreApplication::instance()->installNativeEventFilter(keeper);
    const qreal ratio = widget.devicePixelRatioF();
    PlaceInside(widget, *keeper->host_, (QSizeF(*size) / ratio).toSize());
    return keeper;
}

bool ForeignWindow::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (type != QByteArrayLiteral("xcb_generic_event_t")) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case 0: { // an error: a request on the window, or on ours inside it, found it gone
        const auto* error = static_cast<const xcb_generic_error_t*>(message);
        const bool bad_window =
            error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE;
        if (bad_window &&
            (error->resource_id == id_ || error->resource_id == widget_.internalWinId())) {
            Vanish();
        }
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
        if (configure->window == id_) {
            Fit(configure->width, configure->height);
        }
        break;
    }
    case XCB_DESTROY_NOTIFY:
        if (static_cast<const xcb_destroy_notify_event_t*>(message)->window == id_) {
            Vanish();
        }
        break;
    default:
        break;
    }
    return false;
}

// The X server speaks in device pixels, the widget in device-independent ones.
void ForeignWindow::Fit(int width, int height)
{
    const qreal ratio = widget_.devicePixelRatioF();
    widget_.setGeometry(0, 0, qRound(width / ratio), qRound(height / ratio));
}

void ForeignWindow::Vanish()
{
    if (!gone_) {
        gone_ = true;
        emit Gone();
    }
}

} // namespace drelk::window
