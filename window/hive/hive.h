// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/flight_state.h"
#include "flight/random_source.h"
#include "flight/rescatter.h"
#include "window/hive/drone_line.h"
#include "window/hive/fault_report.h"
#include "window/hive/hive_canvas.h"
#include "window/hive/queen_circle.h"
#include "window/hive/repaint_target.h"
#include "window/hive/twip_scale.h"

#include <QBasicTimer>
#include <QMetaObject>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace drelk::window {

// The program's one window and the owner of the flight. It shows the queen and her ten
// drones as retained elements that ask for their own repaints, realises FlightScene for
// the flight code, runs the start-up scatter before it is first shown and drives a tick
// every 100 ms, on a timer of its own or as its owner ticks it. A fault in either handler
// stops it and ends the program through `report`.
class Hive final : public QWidget, public FlightScene, public RepaintTarget {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 100;

    // What drives the ticks: the hive's own timer, or its owner calling Tick() every
    // kTickMilliseconds (hives that share one timer, so that they wake the program once a
    // tick between them).
    enum class Pace { OwnTimer, OwnersTicks };

    // `random` must outlive the window: the scatter seeds it, the ticks draw from it.
    // `fills`, in device-independent pixels, is the size of what the hive will fill when
    // that is known before it shows (a screen, another program's window): the scatter then
    // spreads the drones over it instead of over the designed window. `canvas`, which must
    // outlive the window, paints it instead of Qt's backing store, where it suits.
    Hive(RandomSource& random, FaultReport report, QSize fills = {}, HiveCanvas* canvas = nullptr,
         QWidget* parent = nullptr, Pace pace = Pace::OwnTimer);
    ~Hive() override;

    float QueenLeft() const override { return queen_.Left(); }
    float QueenTop() const override { return queen_.Top(); }
    float QueenWidth() const override { return queen_.Width(); }
    float QueenHeight() const override { return queen_.Height(); }
    void SetQueenLeft(float left) override { queen_.SetLeft(left); }
    void SetQueenTop(float top) override { queen_.SetTop(top); }
    float WindowWidth() const override;
    float WindowHeight() const override;
    void SetDroneLineX(int n, float x1, float x2) override;
    void SetDroneLineY(int n, float y1, float y2) override;

    const FlightState& State() const { return state_; }
    const TwipScale& Scale() const { return scale_; }
    // The drawn elements: the queen's circle, and drone line n (1..10).
    const QueenCircle& Queen() const { return queen_; }
    const DroneLine& Drone(int n) const { return drones_[DroneLineIndex(n)]; }
    bool IsAnimating() const
    {
        return pace_ == Pace::OwnTimer ? MovementTimer.isActive() : !paused_ && !failed_;
    }
    int MovementTimerId() const { return MovementTimer.timerId(); }
    // Paused, the timer is stopped, so nothing wakes the program; resumed, it starts again
    // and the flight goes on with the draws it would have had. A failed hive stays stopped.
    // Paced by its owner, it has no timer: paused or failed, it ignores Tick().
    void SetPaused(bool paused);
    // One tick of the flight, painted: what the timer runs, for the owner of a hive paced
    // by its owner's ticks.
    void Tick();
    bool IsPaused() const { return paused_; }
    // Every `seconds` the flight begins again as it began, in place of a tick (FlightTick);
    // 0, the designed flight, never; kRescatterAuto, once the drones have gathered. Ticks
    // count, not time, so a pause does not. Set before the first tick.
    void SetRescatterSeconds(std::uint64_t seconds) { rescatter_ = Rescatter(seconds); }
    // For a hive drawn into the whole of a window that has no frame of its own (another
    // program's window, or one covering the screen): its outer size is then its own size.
    void SetFrameless(bool frameless) { frameless_ = frameless; }
    // For a hive that Qt never shows, whose canvas is its window (a surface of a Wayland
    // compositor): it is on show from now on, with no frame, its outer size its own size.
    void ShowOnCanvas();
    // True once a handler has failed and the program is on its way out.
    bool HasFailed() const { return failed_; }
    // Paints every pixel of `dirty`, the background first. Elements reaching out of it are
    // drawn whole; the painter's clip, or a caller that sends only `dirty`, keeps the rest.
    void PaintDirty(QPainter& painter, const QRegion& dirty) const;

protected:
    // Painted on its canvas, the window has no paint engine of its own.
    QPaintEngine* paintEngine() const override { return nullptr; }
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    // The handler boundary: no exception goes on into Qt's event loop.
    template <typename Handler> void RunHandler(Handler handler) noexcept;
    void Fail(const QString& what);
    void FollowScreen();
    // The lines and the queen's outline are drawn in the palette's window text colour.
    void FollowPalette();
    QSize OuterSize() const;
    // The canvas paints where it can; where it cannot, Qt's backing store takes over.
    void PaintOnCanvas(const QRegion& dirty);
    void PaintThroughQt();
    // During a tick the elements' repaint requests are gathered, and painted after it.
    void Repaint(const QRect& area) override;
    void RepaintGathered();

    RandomSource& random_;
    FaultReport report_;
    FlightState state_;
    TwipScale scale_;
    QueenCircle queen_;
    std::array<DroneLine, kDroneCount + 1> drones_; // by drone number; 0 is never shown
    QPen line_pen_;
    QPen outline_pen_;
    QSize fills_;
    QBasicTimer MovementTimer;
    Pace pace_;
    bool shown_ = false;
    bool failed_ = false;
    bool paused_ = false;
    bool frameless_ = false;
    QMetaObject::Connection dpi_watch_;
    HiveCanvas* canvas_; // paints the window itself, or null: Qt's backing store does
    Rescatter rescatter_;
    std::uint64_t ticks_ = 0; // since the start-up scatter
    bool gathering_ = false;
    std::vector<QRect> gathered_;
};

} // namespace drelk::window
