// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

class QWidget;

namespace drelk::window {

// Says when another X client destroys a widget's own top-level window, as
// `xdotool windowclose` (XDestroyWindow) does. Qt workaround, checked on Qt 6.4.2 (and in
// Qt's sources to 6.8): Qt's X11 back end hears of it, since it asks for its windows'
// structure events, but does nothing: the widget stays shown with no window and the
// program runs on, drawing nowhere.
// A window that Qt destroys itself is not reported: by the time its end is heard of, the
// widget no longer has that window.
class OwnWindowWatch final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // Watches `widget` from now on, and is its child; null when the display is not X11.
    static OwnWindowWatch* Watch(QWidget& widget);
    // Watches nothing until installed as a native event filter, as Watch() does.
    explicit OwnWindowWatch(QWidget& widget);
    ~OwnWindowWatch() override;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

signals:
    // The widget's window `id` was destroyed. Said once.
    void Destroyed(std::uint32_t id);

private:
    QWidget& widget_;
    bool said_ = false;
};

} // namespace drelk::window
