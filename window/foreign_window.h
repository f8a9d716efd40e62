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

struct xcb_connection_t;

namespace drelk::window {

class Hive;

// Makes the hive's own window a child of `host`, covering the whole of it from its top-left
// corner at `size`, with no frame, and shows it.
void PlaceInside(Hive& hive, QWindow& host, QSize size);

// True if `id` is the root window of one of the X display's screens.
bool IsRootWindow(std::uint32_t id);

// The hive drawn into an X window of another program, such as a screensaver daemon's: Qt
// wraps that window as a foreign QWindow and the hive's own window becomes its child. Qt
// 6.4 does not watch foreign windows, so this asks the X server for the window's size
// changes and its end itself, and follows the one and ends the program on the other.
class ForeignWindow final : public QObject, public QAbstractNativeEventFilter {
public:
    // Puts `hive` into window `id` and returns its keeper (a child of the hive), or returns
    // null and says why in `why` when there is no X11 display or no such window.
    static ForeignWindow* Embed(Hive& hive, std::uint32_t id, QString& why);
    ~ForeignWindow() override;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    ForeignWindow(Hive& hive, std::uint32_t id);
    void Fit(int width, int height);
    void Vanish();

    Hive& hive_;
    std::uint32_t id_;
    std::unique_ptr<QWindow> host_;
    bool gone_ = false;
};

} // namespace drelk::window
