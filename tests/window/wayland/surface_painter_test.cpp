// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// A hive painted on a surface's buffer as a Wayland desktop's layers paint it: region by
// region as the ticks go, the picture must stay the one painted whole.

#include "tests/window/hive/hive_harness.h"
#include "window/show_mode.h"
#include "window/wayland/surface_painter.h"

#include <QPainter>

#include <algorithm>

using namespace drelk;
using drelk::tests::RecordedReport;
using drelk::tests::TickGate;
using drelk::window::Hive;

namespace {

// A layer surface's canvas without the compositor: one buffer at `ratio`, kept between
// paints with its painter active, as the surface's buffers are.
class BufferCanvas final : public window::HiveCanvas {
public:
    explicit BufferCanvas(qreal ratio) : ratio_(ratio) {}

    bool Shows(const QWidget&) const override { return true; }
    bool Suits(QWidget&) override { return true; }
    bool Paint(QWidget& hive, const QRegion& dirty, const Draw& draw) override
    {
        if (!painter_.isActive()) {
            // Red where nothing was painted, so that a pixel left out shows.
            buffer = Blank(hive.size(), ratio_);
            painter_.begin(&buffer);
        }
        window::PaintSurfaceRegion(buffer, painter_, dirty, draw);
        return true;
    }

    static QImage Blank(QSize size, qreal ratio)
    {
        QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::red);
        return image;
    }

    QImage buffer;

private:
    qreal ratio_;
    QPainter painter_;
};

// The hive paints in black, white, greys and blue: red is only ever the blank's.
bool HasRed(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::find(line, line + image.width(), qRgb(255, 0, 0)) != line + image.width()) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(SurfacePainter, ATicksRegionKeepsTheBufferThePictureItPaintsWhole)
{
    const QSize size(300, 200);
    for (const qreal ratio : {1.0, 2.0, 1.5}) {
        SCOPED_TRACE(ratio);
        RecordedReport report;
        MersenneRandom random(20261207);
        BufferCanvas canvas(ratio);
        Hive hive(random, report.Seam(), size, &canvas);
        window::DarkenForScreensaver(hive);
        hive.resize(size);
        TickGate gate(hive);
        hive.ShowOnCanvas();
        // The same flight as Qt paints a window of its own.
        MersenneRandom twin_random(20261207);
        Hive twin(twin_random, report.Seam(), size);
        window::DarkenForScreensaver(twin);
        twin.resize(size);
        TickGate twin_gate(twin);
        // The drones close in on the queen and cross each other: many small regions that
        // touch and overlap, each painted only where it is dirty.
        for (int tick = 1; tick <= 60; ++tick) {
            gate.Send();
            twin_gate.Send();
            if (tick % 20 != 0) {
                continue;
            }
            QImage whole = BufferCanvas::Blank(size, ratio);
            QPainter painter(&whole);
            window::PaintSurfaceRegion(
                whole, painter, QRegion(hive.rect()),
                [&](QPainter& on, const QRegion& dirty) { hive.PaintDirty(on, dirty); });
            painter.end();
            EXPECT_EQ(canvas.buffer, whole) << "after tick " << tick;
            // The reference is painted the same way: that it covers the whole buffer needs
            // a check of its own.
            EXPECT_FALSE(HasRed(canvas.buffer)) << "after tick " << tick;
            if (ratio == 1.0) {
                // And the picture is Qt's own.
                EXPECT_EQ(canvas.buffer,
                          twin.grab().toImage().convertToFormat(QImage::Format_RGB32));
            }
        }
        EXPECT_TRUE(report.told.empty());
    }
}
