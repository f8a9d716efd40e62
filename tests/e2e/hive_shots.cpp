// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Holds a picture of one output of a Wayland desktop against the hive that drelk puts on its
// background, drawn on Qt's offscreen platform: the same seed, filling the output's size in
// device-independent pixels, frameless and dark, one tick at a time. Says at which ticks the
// two are equal, pixel for pixel, or how close the closest came.
//
//   hive_shots SEED WIDTH HEIGHT FIRST_TICK LAST_TICK PICTURE [X Y W H] [--save FILE]
//              [--rescatter SECONDS]
//
// Run with QT_QPA_PLATFORM=offscreen, and QT_SCALE_FACTOR set to the output's scale. X Y W H,
// in the picture's pixels, are left out of the comparison (a window above the background).
// --save writes the hive's picture at the closest tick; --rescatter begins the flight again as
// drelk's option does. Status 0 when a tick was equal, 1 when
// none was, 2 on bad input.

#include "flight/random_source.h"
#include "tests/window/hive/hive_harness.h"
#include "window/show_mode.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <limits>
#include <optional>
#include <vector>

using namespace drelk;

namespace {

int Fail(const QString& why)
{
    std::fprintf(stderr, "hive_shots: %s\n", qPrintable(why));
    return 2;
}

std::optional<int> Number(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
}

// Pixels whose red, green or blue differ, outside `ignored`.
qint64 Differences(const QImage& a, const QImage& b, const QRect& ignored)
{
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* left = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* right = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            count += ((left[x] ^ right[x]) & 0xFFFFFFu) != 0 && !ignored.contains(x, y);
        }
    }
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const auto take = [&args](const QString& option) {
        const qsizetype at = args.indexOf(option);
        if (at < 0 || at + 1 >= args.size()) {
            return QString();
        }
        const QString value = args.takeAt(at + 1);
        args.removeAt(at);
        return value;
    };
    const QString save = take(QStringLiteral("--save"));
    const QString rescatter = take(QStringLiteral("--rescatter"));
    const std::optional<int> rescatter_seconds = rescatter.isEmpty() ? 0 : Number(rescatter);
    if (!rescatter_seconds) {
        return Fail(QStringLiteral("not a number of seconds: '%1'").arg(rescatter));
    }
    if (args.size() != 6 && args.size() != 10) {
        return Fail(QStringLiteral("usage: SEED WIDTH HEIGHT FIRST_TICK LAST_TICK PICTURE "
                                   "[X Y W H] [--save FILE] [--rescatter SECONDS]"));
    }
    std::vector<int> numbers;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (i == 5) {
            continue;
        }
        const std::optional<int> value = Number(args[i]);
        if (!value) {
            return Fail(QStringLiteral("not a number: '%1'").arg(args[i]));
        }
        numbers.push_back(*value);
    }
    const QImage picture = QImage(args[5]).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        return Fail(QStringLiteral("cannot read the picture '%1'").arg(args[5]));
    }
    const QSize fills(numbers[1], numbers[2]);
    const int first = numbers[3];
    const int last = numbers[4];
    if (first > last || fills.isEmpty()) {
        return Fail(QStringLiteral("no ticks to draw, or an empty size"));
    }
    const QRect ignored =
        args.size() == 10 ? QRect(numbers[5], numbers[6], numbers[7], numbers[8]) : QRect();

    MersenneRandom random(static_cast<std::uint32_t>(numbers[0]));
    tests::RecordedReport report;
    window::Hive hive(random, report.Seam(), fills);
    window::DarkenForScreensaver(hive);
    hive.SetRescatterSeconds(static_cast<std::uint64_t>(*rescatter_seconds));
    hive.SetFrameless(true);
    hive.resize(fills);
    tests::TickGate gate(hive);
    hive.show();

    int closest = -1;
    qint64 fewest = std::numeric_limits<qint64>::max();
    QImage closest_picture;
    for (int tick = 0; tick <= last; ++tick) {
        if (tick > 0) {
            gate.Send();
        }
        if (tick < first) {
            continue;
        }
        const QImage hive_picture = hive.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (hive_picture.size() != picture.size()) {
            return Fail(QStringLiteral("the picture is %1x%2, the hive %3x%4")
                            .arg(picture.width())
                            .arg(picture.height())
                            .arg(hive_picture.width())
                            .arg(hive_picture.height()));
        }
        const qint64 differences = Differences(hive_picture, picture, ignored);
        if (differences == 0) {
            std::printf("equal at tick %d\n", tick);
        }
        if (differences < fewest) {
            fewest = differences;
            closest = tick;
            closest_picture = hive_picture;
        }
    }
    if (!report.told.empty()) {
        return Fail(report.told.front());
    }
    if (!save.isEmpty() && !closest_picture.save(save)) {
        return Fail(QStringLiteral("cannot write '%1'").arg(save));
    }
    if (fewest != 0) {
        std::printf("closest at tick %d: %lld pixels differ\n", closest,
                    static_cast<long long>(fewest));
    }
    return fewest == 0 ? 0 : 1;
}
