// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// raster_reference: drelk's picture drawn the way a plain Qt program would draw it, for
// process_benchmark to hold drelk against where Qt's own platform plugin is most of the cost
// (Wayland). Qt Gui only: a bare QRasterWindow, no widgets, no style. It flies the same
// flight (the flight library, against a plain scene whose size is the window's outer size,
// frame included, as drelk's is) and, every 100 ms, calls update() with each moved
// element's old and new places, as the Xlib reference clears and redraws by rectangle.
// Qt joins those into one region and paints it on its next update request; the paint clips
// to that region, fills it and draws every element: ten black 5-pixel round-capped lines and
// the queen's circle (fill 128, 128, 255, a 1-pixel black outline), antialiased, in drelk's
// order. At 96 dpi, the designed client size, 607 x 462.
//
//     raster_reference [Qt options]

#include "flight/designed_layout.h"
#include "flight/flight_state.h"
#include "flight/movement_tick.h"
#include "flight/plain_scene.h"
#include "flight/random_source.h"
#include "flight/scatter.h"

#include <QBasicTimer>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QRasterWindow>
#include <QTimerEvent>

#include <algorithm>
#include <array>

namespace {

using drelk::kDroneCount;

constexpr double kTwipsPerPixel = 15.0; // at 96 dpi
constexpr double kLinePen = 5.0;
constexpr double kFringe = 1.5; // drelk's reach past the pen, so both repaint alike
constexpr std::array<int, kDroneCount> kLinePaintOrder = {9, 8, 7, 6, 5, 4, 3, 2, 10, 1};

double Pixels(double twips) { return twips / kTwipsPerPixel; }

QRect Reach(const QRectF& outline, double pen)
{
    const double reach = pen / 2.0 + kFringe;
    return outline.normalized().adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

class Picture final : public QRasterWindow {
public:
    Picture() : scene_(drelk::kDesignedOuterWidth, drelk::kDesignedOuterHeight)
    {
        setTitle(QStringLiteral("QRasterWindow reference"));
        resize(static_cast<int>(Pixels(drelk::kDesignedClientWidth)),
               static_cast<int>(Pixels(drelk::kDesignedClientHeight)));
        drelk::ScatterDrones(state_, scene_, random_);
        timer_.start(100, Qt::CoarseTimer, this);
    }

protected:
    void timerEvent(QTimerEvent* event) override
    {
        if (event->timerId() != timer_.timerId()) {
            QRasterWindow::timerEvent(event);
            return;
        }
        const auto before = Places();
        // Before the first show the frame is not there yet: the designed size, as in drelk.
        const QSize outer = frameGeometry().size();
        scene_.Resize(static_cast<float>(outer.width() * kTwipsPerPixel),
                      static_cast<float>(outer.height() * kTwipsPerPixel));
        drelk::MovementTimer_Timer(state_, scene_, random_);
        const auto after = Places();
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] != before[i]) {
                update(before[i]);
                update(after[i]);
            }
        }
    }

    void paintEvent(QPaintEvent* event) override
    {
        static const QPen line_pen(Qt::black, kLinePen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        static const QBrush queen_fill(QColor(128, 128, 255));
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.fillRect(event->rect(), QGuiApplication::palette().window());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(line_pen);
        for (const int n : kLinePaintOrder) {
            painter.drawLine(Line(n));
        }
        painter.setPen(QPen());
        painter.setBrush(queen_fill);
        painter.drawEllipse(Circle());
    }

private:
    QLineF Line(int n) const
    {
        const drelk::LineEnds& ends = scene_.Line(n);
        return {Pixels(ends.x1), Pixels(ends.y1), Pixels(ends.x2), Pixels(ends.y2)};
    }

    // Centred in the queen's box, as wide as its smaller side.
    QRectF Circle() const
    {
        const double width = scene_.QueenWidth();
        const double height = scene_.QueenHeight();
        const double diameter = std::min(width, height);
        return {Pixels(scene_.QueenLeft() + (width - diameter) / 2.0),
                Pixels(scene_.QueenTop() + (height - diameter) / 2.0), Pixels(diameter),
                Pixels(diameter)};
    }

    // Where each element's paint reaches: the lines 1..10, then the queen.
    std::array<QRect, kDroneCount + 1> Places() const
    {
        std::array<QRect, kDroneCount + 1> places;
        for (int n = 1; n <= kDroneCount; ++n) {
            const QLineF line = Line(n);
            places[static_cast<std::size_t>(n - 1)] = Reach(QRectF(line.p1(), line.p2()), kLinePen);
        }
        places[kDroneCount] = Reach(Circle(), 1.0);
        return places;
    }

    drelk::FlightState state_;
    drelk::PlainScene scene_;
    drelk::MersenneRandom random_;
    QBasicTimer timer_;
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    Picture picture;
    picture.show();
    return app.exec();
}
