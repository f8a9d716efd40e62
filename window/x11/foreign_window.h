// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QSize>
#include <QString>
#include <QWindow>

#include <cstdint>
#include <memory>
#include <optional>

class QWidget;

namespace drelk::window {

// Makes `widget`'s own window a child of `host`, covering the whole of it from its top-left
// corner at `size`, and shows it.
void PlaceInside(QWidget& widget, QWindow& host, QSize size);

// True if `id` is the root window of one of the X display's screens.
bool IsRootWindow(std::uint32_t id);

// The size of X window `id` in device pixels, or nothing if there is no such window (or no
// X11 display).
std::optional<QSize> XWindowSize(std::uint32_t id);

// A widget drawn into an X window of another program, such as a screensaver daemon's: Qt
// wraps that window as a foreign QWindow and the widget's own window becomes its child.
// Qt workaround, checked on Qt 6.4.2 and 6.8.2: Qt does not follow a foreign window's size
// or notice its end (it reads its size once, when wrapping it), so this asks the X server
// for the window's structure events itself, fits the widget to each new size, and says
// when the window has gone.
class ForeignWindow final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // Puts `widget` into window `id` and returns its keeper (a child of the widget), or
    // returns null and says why in `why` when there is no X11 display or no such window.
    static ForeignWindow* Embed(QWidget& widget, std::uint32_t id, QString& why);
    ~ForeignWindow() override;

    std::uint32_t Id() const { return id_; }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

signals:
    // The window was destroyed, or a request on it found it gone. Said once.
    void Gone();

private:
    ForeignWindow(QWidget& widget, std::uint32_t id);
    void Fit(int width, int height);
    void Vanish();

    QWidget& widget_;
    std::uint32_t id_;
    std::unique_ptr<QWindow> host_;
    bool gone_ = false;
};

} // namespace drelk::window
