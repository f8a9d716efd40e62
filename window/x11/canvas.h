// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "window/hive/hive_canvas.h"
#include "window/x11/piece_sender.h"

#include <QRegion>

#include <cstdint>
#include <memory>

class QWidget;
struct xcb_connection_t;

namespace drelk::window {

// Paints a window straight onto its X11 window, in pieces sent with PutImage, instead of
// through Qt's backing store. Without MIT-SHM the backing store uploads what was painted
// to a pixmap in the server and copies that to the window, and to upload a large area it
// first copies it into a buffer of up to 16 MiB that it keeps for good (16 MiB more at
// 3840 x 2160). Sending pieces of at most 192 KiB needs neither the server's pixmap nor
// that buffer, and is no more work. The window repaints what X exposes.
class X11Canvas final : public HiveCanvas {
public:
    // A canvas when the program runs on X11, otherwise null.
    static std::unique_ptr<X11Canvas> ForThisDisplay();
    ~X11Canvas() override;
    X11Canvas(const X11Canvas&) = delete;
    X11Canvas& operator=(const X11Canvas&) = delete;

    // The hive is on show while its X11 window is.
    bool Shows(const QWidget& window) const override;
    // Whether `window`'s X11 window takes the pixels pieces are drawn in: 24-bit TrueColor
    // stored as 32-bit words in this machine's byte order, red, green and blue where
    // QImage::Format_RGB32 has them, at a device pixel ratio of 1. Asks the X server once
    // per X11 window, and says why not in the drelk.paint log.
    bool Suits(QWidget& window) override;

    // Draws `region` of `window` with `draw` and sends it. Only after Suits() said yes.
    // False, having sent nothing, when there is no memory for it.
    bool Paint(QWidget& window, const QRegion& region, const Draw& draw) override;

private:
    explicit X11Canvas(xcb_connection_t* connection);
    // Empty if the visual suits, otherwise why not.
    QString VisualMismatch(std::uint32_t window) const;

    xcb_connection_t* connection_;
    PieceSender pieces_;
    std::uint32_t window_ = 0; // the X11 window last checked, and its answer
    bool suits_ = false;
    std::uint32_t gc_ = 0;
};

} // namespace drelk::window
