// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include "window/wayland/layer_surface.h"

#include <QBasicTimer>
#include <QObject>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace drelk::window {

class HiveCanvas;
class SeatInput;
class WaylandConnection;
class WaylandOutput;

// What the program shows on a layer surface (a hive), as far as this room knows it.
class SurfaceContent {
public:
    virtual ~SurfaceContent() = default;
    // The compositor has given the surface a new size, in device-independent pixels.
    virtual void Resize(QSize size) = 0;
    // One tick: the content moves on and paints what changed on its surface.
    virtual void Tick() = 0;
};

// The layers of a Wayland compositor's desktop, with a surface on every output (or on the
// one named) and the program's content on each: made when the output's surface is first
// configured, with the surface as its canvas, and taken away when the output goes or the
// compositor closes the surface. One timer ticks the whole desktop, so that the program
// wakes once a tick whatever the number of outputs: each tick reads the display's events,
// without waiting for any, then ticks every content and sends what they painted. Outputs
// that come later get theirs within the tick that finds them. Places come and go only while
// the events are read, never while a content ticks.
class LayerDesktop final : public QObject {
    Q_OBJECT

public:
    // Makes the content of a surface of `size`, to be painted on `canvas`.
    using MakeContent =
        std::function<std::unique_ptr<SurfaceContent>(HiveCanvas& canvas, QSize size)>;

    struct Failure {
        bool unreachable = false; // no compositor answers at all
        QString why;
    };

    // Connects and puts a surface on the layer on each output, or only on the output named
    // `output_name` if it is not empty. Null, with the failure, when the compositor cannot
    // be reached, lacks what drelk needs (the layer shell) or has no such output.
    static std::unique_ptr<LayerDesktop> Open(LayerSurface::Layer layer, const QString& output_name,
                                              MakeContent make, Failure& failure);
    ~LayerDesktop() override;

signals:
    // The compositor has gone, or the connection to it failed: nothing more can be shown.
    void Lost(const QString& why);
    // A key, button, touch or pointer movement (a saver's surfaces only).
    void Touched();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    struct Place;
    LayerDesktop(std::unique_ptr<WaylandConnection> connection, LayerSurface::Layer layer,
                 QString output_name, MakeContent make);
    void Announced(std::uint32_t name, const QString& interface, std::uint32_t version);
    void Withdrawn(std::uint32_t name);
    void OutputChanged(std::uint32_t name);
    void Resized(std::uint32_t name, QSize size);
    // The place of the output with that global name; null once it has gone.
    Place* Find(std::uint32_t name) const;
    void Retire(std::uint32_t name);
    void Tick();
    // Round trips until every output is known and every surface configured.
    bool Settle();
    void Lose(const QString& why);

    std::unique_ptr<WaylandConnection> connection_;
    LayerSurface::Layer layer_;
    QString output_name_;
    MakeContent make_;
    std::map<std::uint32_t, std::unique_ptr<Place>> places_; // by output's global name
    std::map<std::uint32_t, std::unique_ptr<SeatInput>> seats_;
    QBasicTimer tick_;
    std::uint64_t ticks_ = 0; // since it opened
    bool lost_ = false;
    QString lost_why_;
};

} // namespace drelk::window
