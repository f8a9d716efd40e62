// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/x11/own_window_watch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

namespace drelk::window {

OwnWindowWatch* OwnWindowWatch::Watch(QWidget& widget)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    auto* watch = new OwnWindowWatch(widget);
    QCoreApplication::instance()->installNativeEventFilter(watch);
    return watch;
}

OwnWindowWatch::OwnWindowWatch(QWidget& widget) : QObject(&widget), widget_(widget) {}

OwnWindowWatch::~OwnWindowWatch() { QCoreApplication::instance()->removeNativeEventFilter(this); }

bool OwnWindowWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (said_ || type != QByteArrayLiteral("xcb_generic_event_t")) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) {
        return false;
    }
    const xcb_window_t gone = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
    if (gone != 0 && gone == widget_.internalWinId()) {
        said_ = true;
        emit Destroyed(gone);
    }
    return false;
}

} // namespace drelk::window
