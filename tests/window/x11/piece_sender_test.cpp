// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The pieces that the X11 canvas sends: painted and cut as Qt's own paint would have it.

#include "tests/window/hive/hive_harness.h"
#include "window/x11/piece_sender.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

using namespace drelk;
using drelk::tests::RecordedReport;
using drelk::window::Hive;
namespace harness = drelk::tests;

TEST(PieceSender, PiecesMakeUpTheHivesOwnPicture)
{
    RecordedReport report;
    MersenneRandom random(20261207);
    Hive hive(random, report.Seam());
    harness::TickGate gate(hive);
    harness::ShowAndWait(hive);
    for (int tick = 0; tick < 40; ++tick) {
        gate.Send();
    }
    QCoreApplication::processEvents();
    const QImage fresh = hive.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // All the window but a hole at the queen, so the region's rectangles beside the hole
    // take part of the window's width, and the queen's outline crosses their edges. Then a
    // tick's region: the places of all the elements and nothing else.
    const QPoint queen = hive.Queen().CircleRect().center().toPoint();
    const QRegion holed = QRegion(hive.rect()) - QRect(queen.x() - 8, queen.y() - 3, 6, 6);
    ASSERT_EQ(holed.rectCount(), 4);
    QRegion places = hive.Queen().PaintBounds();
    for (int n = 1; n <= kDroneCount; ++n) {
        places += hive.Drone(n).PaintBounds();
    }
    // Paints `region` of a window of `size` through `sender` over a picture with the region
    // blotted out: the pieces must make up the fresh picture again.
    const auto expect_pieced = [&](window::PieceSender& sender, const QRegion& region, QSize size,
                                   std::size_t max_bytes) {
        SCOPED_TRACE(max_bytes);
        SCOPED_TRACE(size.width());
        QImage pieced = fresh.copy(QRect(QPoint(), size));
        for (const QRect& rect : region) {
            QPainter(&pieced).fillRect(rect, Qt::red);
        }
        int pieces = 0;
        EXPECT_TRUE(sender.Paint(
            size, region,
            [&](QPainter& painter, const QRegion& dirty) { hive.PaintDirty(painter, dirty); },
            [&](const QImage& pixels, const QPoint& at) {
                ++pieces;
                // Rows packed, as PutImage takes them, and no more than asked for.
                EXPECT_EQ(pixels.bytesPerLine(), pixels.width() * 4);
                EXPECT_TRUE(pixels.sizeInBytes() <= static_cast<qsizetype>(max_bytes) ||
                            pixels.height() == 1);
                QPainter(&pieced).drawImage(at, pixels);
            }));
        const bool split = std::any_of(region.begin(), region.end(), [&](const QRect& rect) {
            return harness::RegionArea(rect) * 4 > static_cast<double>(max_bytes);
        });
        EXPECT_EQ(pieces > region.rectCount(), split);
        EXPECT_EQ(pieced, fresh.copy(QRect(QPoint(), size)));
    };
    // Large enough to paint the region at once, then small enough for dozens of pieces;
    // each sender then paints a narrower window too, in the memory of the wider one.
    for (const auto& [region, max_bytes] :
         {std::pair{holed, std::size_t{4} << 20}, std::pair{holed, std::size_t{16} << 10},
          std::pair{places, std::size_t{4} << 20}}) {
        window::PieceSender sender(max_bytes, 0); // every large piece's memory given back
        for (const QSize size : {hive.size(), hive.size() - QSize(101, 0)}) {
            expect_pieced(sender, region, size, max_bytes);
        }
    }
    // A tick's region painted at once right after a piece-by-piece paint of the same size:
    // the last piece's clip must not stay behind.
    constexpr std::size_t kMegabyte = std::size_t{1} << 20;
    window::PieceSender sender(kMegabyte, 0);
    expect_pieced(sender, holed, hive.size(), kMegabyte);
    expect_pieced(sender, places, hive.size(), kMegabyte);

    // A window shrunk to no area has nothing to paint, and that is no failure: a failure
    // would switch the canvas off for good.
    for (const QSize none : {QSize(0, 200), QSize(300, 0)}) {
        EXPECT_TRUE(sender.Paint(
            none, places, [](QPainter&, const QRegion&) { ADD_FAILURE() << "drawn"; },
            [](const QImage&, const QPoint&) { ADD_FAILURE() << "sent"; }));
    }
    expect_pieced(sender, places, hive.size(), kMegabyte);
}
