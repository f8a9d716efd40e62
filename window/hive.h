#pragma once

#include "drone_line.h"
#include "error_report.h"
#include "flight/flight_state.h"
#include "flight/random_source.h"
#include "paint_reach.h"
#include "queen_element.h"
#include "twip_scale.h"
#include "x11_canvas.h"

#include <QBasicTimer>
#include <QMetaObject>
#include <QWidget>

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace drelk::window {

// The program's one window and the owner of the flight. It shows the queen and her ten
// drones as retained elements that ask for their own repaints, realises FlightScene for
// the flight code, runs the start-up scatter before it is first shown and drives a tick
// every 100 ms. A fault in either handler stops it and ends the program through `report`.
class Hive final : public QWidget, public FlightScene, public RepaintTarget {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 100;

    // `random` must outlive the window: the scatter seeds it, the ticks draw from it.
    Hive(RandomSource& random, FaultReport report, QWidget* parent = nullptr);

    float QueenLeft() const override { return Queen.Left(); }
    float QueenTop() const override { return Queen.Top(); }
    float QueenWidth() const override { return Queen.Width(); }
    float QueenHeight() const override { return Queen.Height(); }
    void SetQueenLeft(float left) override { Queen.SetLeft(left); }
    void SetQueenTop(float top) override { Queen.SetTop(top); }
    float WindowWidth() const override;
    float WindowHeight() const override;
    void SetDroneLineX(int n, float x1, float x2) override;
    void SetDroneLineY(int n, float y1, float y2) override;

    const FlightState& State() const { return state_; }
    const TwipScale& Scale() const { return scale_; }
    const QueenElement& QueenCircle() const { return Queen; }
    const DroneLine& DroneAt(int n) const;
    bool IsAnimating() const { return MovementTimer.isActive(); }
    int MovementTimerId() const { return MovementTimer.timerId(); }
    // True once a handler has failed and the program is on its way out.
    bool HasFailed() const { return failed_; }
    // Paints the picture where it is dirty, the background first; the painter is clipped
    // to `dirty`.
    void PaintDirty(QPainter& painter, const QRegion& dirty) const;

protected:
    // Painted on an X11 window directly, the window has no paint engine of its own.
    QPaintEngine* paintEngine() const override { return nullptr; }
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    // The handler boundary: no exception goes on into Qt's event loop.
    template <typename Handler> void RunHandler(Handler handler) noexcept;
    void Fail(const QString& what);
    void FollowScreen();
    void PaintThroughQt();
    // During a tick the elements' repaint requests are gathered, and painted after it.
    void Repaint(const QRect& area) override;
    void RepaintGathered();
    DroneLine& Line(int n);
    // Drone numbers run 1..10; any other is a fault.
    static std::size_t LineIndex(int n);

    RandomSource& random_;
    FaultReport report_;
    FlightState state_;
    TwipScale scale_;
    QueenElement Queen;
    std::array<DroneLine, kDroneCount + 1> Drone; // by drone number; 0 is never shown
    QBasicTimer MovementTimer;
    bool shown_ = false;
    bool failed_ = false;
    QMetaObject::Connection dpi_watch_;
    std::unique_ptr<X11Canvas> x11_; // on X11: paints the window itself
    bool gathering_ = false;
    std::vector<QRect> gathered_;
};

} // namespace drelk::window
