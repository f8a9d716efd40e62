// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The Hive as a person sees it: what it paints, where, how thick, and what it repaints.

#include "flight/designed_layout.h"
#include "tests/support/scripted_random.h"
#include "tests/window/hive/hive_harness.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <array>
#include <cmath>

using namespace drelk;
using drelk::tests::RecordedReport;
using drelk::tests::ScriptedRandom;
using drelk::window::Hive;
namespace harness = drelk::tests;

namespace {

constexpr int kLineLength = 200; // twips
constexpr int kLineHeadY = 6000; // twips

int LineHeadX(int n) { return 600 * n + 300; } // twips

// A draw that the scatter turns into `value` by floor(draw * span).
float DrawFor(int value, int span)
{
    return (static_cast<float>(value) + 0.5f) / static_cast<float>(span);
}

// A scatter that stands every line upright, its head low in the window at a known
// across position, its body trailing 200 twips up; the queen keeps her start.
std::vector<float> UprightLines()
{
    std::vector<float> draws = {0.0f};
    for (int n = 1; n <= kDroneCount; ++n) {
        draws.push_back(0.0f);                                       // heading 0: down
        draws.push_back(DrawFor(kLineLength - 100, 200));            // body length
        draws.push_back(DrawFor(LineHeadX(n), kDesignedOuterWidth)); // across
        draws.push_back(DrawFor(kLineHeadY, kDesignedOuterHeight));  // down
    }
    return draws;
}

// How much darker than the background a pixel is: 0 for background, 1 for black.
double Ink(const QImage& image, int x, int y, const QColor& background)
{
    return 1.0 - qGray(image.pixel(x, y)) / static_cast<double>(qGray(background.rgb()));
}

// Records the region of every paint the window receives.
class PaintWitness final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
    std::vector<QRegion> regions;
};

} // namespace

TEST(HivePicture, ShowsTheQueenInHerColourAndFivePixelLines)
{
    RecordedReport report;
    ScriptedRandom random(UprightLines());
    Hive hive(random, report.Seam());
    ASSERT_TRUE(report.told.empty());
    ASSERT_EQ(hive.Scale().XToPixels(15), 1.0) << "these positions assume 15 twips a pixel";
    ASSERT_EQ(hive.Scale().YToPixels(15), 1.0);
    const QImage image = hive.grab().toImage();
    const QColor background = hive.palette().window().color();

    // The queen's box is 264..289 across and 200..229 down: the circle fills the middle
    // and leaves the box's corners to the background.
    EXPECT_EQ(harness::PixelAt(image, 276, 214), qRgb(128, 128, 255) & 0xFFFFFFu);
    EXPECT_EQ(harness::PixelAt(image, 265, 201), background.rgb() & 0xFFFFFFu);
    EXPECT_LT(Ink(image, 276, 200, background), 0.05) << "above the circle, inside the box";

    for (int n = 1; n <= kDroneCount; ++n) {
        SCOPED_TRACE(n);
        const DroneState& drone = hive.State().Drones[static_cast<std::size_t>(n)];
        ASSERT_EQ(drone.X, LineHeadX(n));
        ASSERT_EQ(drone.Y, kLineHeadY);
        ASSERT_EQ(drone.Length, kLineLength);

        // Across the middle of the line, the ink adds up to five pixels' worth.
        const int centre = LineHeadX(n) / 15;
        const int middle = (kLineHeadY - kLineLength / 2) / 15;
        double ink = 0;
        for (int x = centre - 8; x <= centre + 8; ++x) {
            ink += Ink(image, x, middle, background);
        }
        EXPECT_NEAR(ink, 5.0, 0.25);
        EXPECT_GT(Ink(image, centre, middle, background), 0.95);
        // Round ends reach half the pen past each end, and no further.
        EXPECT_GT(Ink(image, centre, kLineHeadY / 15, background), 0.3);
        EXPECT_EQ(Ink(image, centre, kLineHeadY / 15 + 4, background), 0.0);
        EXPECT_EQ(Ink(image, centre, (kLineHeadY - kLineLength) / 15 - 4, background), 0.0);
    }
}

TEST(HivePicture, TheQueenIsPaintedOverTheLines)
{
    // Every line runs up from below the queen into her circle (box 3000..3435 down, the
    // circle 3030..3405): the part inside the circle is hidden, the part below shows.
    std::vector<float> draws = {0.0f};
    for (int n = 1; n <= kDroneCount; ++n) {
        draws.insert(draws.end(), {0.0f, DrawFor(199, 200), DrawFor(4147, kDesignedOuterWidth),
                                   DrawFor(3600, kDesignedOuterHeight)});
    }
    RecordedReport report;
    ScriptedRandom random(draws);
    Hive hive(random, report.Seam());
    const QImage image = hive.grab().toImage();
    EXPECT_EQ(harness::PixelAt(image, 276, 223), qRgb(128, 128, 255) & 0xFFFFFFu);
    EXPECT_GT(Ink(image, 276, 234, hive.palette().window().color()), 0.95);
}

// Paints the window's elements by hand, the lines in `order`, then the queen, as the window
// would; to compare the window's own picture against.
QImage PaintedByHand(const Hive& hive, const std::array<int, kDroneCount>& order)
{
    QImage image(hive.size(), QImage::Format_RGB32);
    image.fill(hive.palette().window().color());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = hive.palette().color(QPalette::WindowText);
    for (const int n : order) {
        hive.Drone(n).Paint(painter, window::DroneLine::Pen(ink));
    }
    hive.Queen().Paint(painter, window::QueenCircle::OutlinePen(ink));
    return image;
}

TEST(HivePicture, LinesAreStackedNineDownToTwoThenTenThenOne)
{
    // Ten lines fanned out from one point, every 36 degrees: their antialiased edges
    // overlap near the hub, where the order of painting shows in the rounding.
    std::vector<float> draws = {0.0f};
    for (int n = 1; n <= kDroneCount; ++n) {
        draws.insert(draws.end(),
                     {DrawFor(36 * n, 360), DrawFor(199, 200), DrawFor(6000, kDesignedOuterWidth),
                      DrawFor(5000, kDesignedOuterHeight)});
    }
    RecordedReport report;
    ScriptedRandom random(draws);
    Hive hive(random, report.Seam());
    const QImage shown = hive.grab().toImage().convertToFormat(QImage::Format_RGB32);

    const QImage stacked = PaintedByHand(hive, {9, 8, 7, 6, 5, 4, 3, 2, 10, 1});
    ASSERT_NE(stacked, PaintedByHand(hive, {1, 10, 2, 3, 4, 5, 6, 7, 8, 9}))
        << "the fan must be one where the order of the lines shows";
    ASSERT_NE(stacked, PaintedByHand(hive, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(shown, stacked);
}

TEST(HivePicture, ManyTicksLeaveNoTrail)
{
    RecordedReport report;
    MersenneRandom random(20261207);
    Hive hive(random, report.Seam());
    harness::TickGate gate(hive);
    harness::ShowAndWait(hive);

    for (int tick = 0; tick < 300; ++tick) {
        gate.Send();
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    ASSERT_TRUE(report.told.empty());

    // What the screen holds after 300 partial repaints, against a full repaint of the
    // same state: any pixel left of an old position would differ.
    const QImage shown =
        hive.screen()->grabWindow(hive.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage fresh = hive.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), fresh.size());
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            differing += shown.pixel(x, y) != fresh.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
    // The comparison saw the flight: the queen's colour is on the screen.
    const QPoint queen = hive.Queen().CircleRect().center().toPoint();
    EXPECT_EQ(harness::PixelAt(shown, queen.x(), queen.y()), qRgb(128, 128, 255) & 0xFFFFFFu);
}

TEST(HivePicture, ATickRepaintsOnlyWhereElementsWereAndAre)
{
    RecordedReport report;
    MersenneRandom random(20261207);
    Hive hive(random, report.Seam());
    harness::TickGate gate(hive);
    harness::ShowAndWait(hive);
    PaintWitness witness;
    hive.installEventFilter(&witness);

    const double window_area = static_cast<double>(hive.width()) * hive.height();
    for (int tick = 0; tick < 30; ++tick) {
        SCOPED_TRACE(tick);
        const QPoint queen_was = hive.Queen().CircleRect().center().toPoint();
        witness.regions.clear();
        gate.Send();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !witness.regions.empty(); }));
        QCoreApplication::processEvents();

        QRegion painted;
        for (const QRegion& region : witness.regions) {
            painted += region;
        }
        const QPoint queen_is = hive.Queen().CircleRect().center().toPoint();
        EXPECT_TRUE(painted.contains(queen_was));
        EXPECT_TRUE(painted.contains(queen_is));
        for (int n = 1; n <= kDroneCount; ++n) {
            // Heads that have flown beyond the window's edge have nothing there to paint.
            const QPoint head = hive.Drone(n).PixelLine().p1().toPoint();
            EXPECT_TRUE(painted.contains(head) || !hive.rect().contains(head)) << "drone " << n;
        }
        // Eleven small elements: a small part of the window, never all of it.
        EXPECT_LT(harness::RegionArea(painted), window_area / 10);
    }
    hive.removeEventFilter(&witness);
}

// The tick that begins the flight again paints at once, in one paint over every old place
// and every new one: no picture shows part of the old flight beside the new.
TEST(HivePicture, ARescatterIsPaintedInOnePaint)
{
    RecordedReport report;
    MersenneRandom random(20261207);
    Hive hive(random, report.Seam());
    hive.SetRescatterSeconds(1);
    harness::TickGate gate(hive);
    harness::ShowAndWait(hive);
    std::vector<QPoint> places; // the queen's centre and the heads, before and after
    const auto note_places = [&] {
        places.push_back(hive.Queen().CircleRect().center().toPoint());
        for (int n = 1; n <= kDroneCount; ++n) {
            places.push_back(hive.Drone(n).PixelLine().p1().toPoint());
        }
    };
    for (int tick = 1; tick < 10; ++tick) {
        gate.Send();
    }
    QCoreApplication::processEvents();
    note_places();
    PaintWitness witness;
    hive.installEventFilter(&witness);
    gate.Send(); // tick 10
    ASSERT_EQ(hive.QueenLeft(), kQueenStartLeft) << "tick 10 must begin the flight again";
    ASSERT_EQ(witness.regions.size(), 1u);
    note_places();
    for (const QPoint& place : places) {
        EXPECT_TRUE(witness.regions[0].contains(place) || !hive.rect().contains(place))
            << place.x() << "," << place.y();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(witness.regions.size(), 1u);
    hive.removeEventFilter(&witness);
}
