// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

// What the window tests share: a fault report that records instead of blocking, and
// helpers to drive a Hive.

#include "flight/plain_scene.h"
#include "window/hive/fault_report.h"
#include "window/hive/hive.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include <vector>

namespace drelk::tests {

// Records what the window reported, and how many times it asked to end.
struct RecordedReport {
    std::vector<QString> told;
    int ended = 0;

    window::FaultReport Seam()
    {
        return {[this](QWidget*, const QString& message) { told.push_back(message); },
                [this] { ++ended; }};
    }
};

// Delivers one tick the way Qt does, through the window's timer event.
void SendTick(window::Hive& hive);

// Shows the window and waits until Qt has exposed and painted it.
void ShowAndWait(window::Hive& hive);

// Expects the window's elements to stand exactly where `scene` has them.
void ExpectSameElements(const window::Hive& hive, const PlainScene& scene);

// Expects the same queen heading and drone records, record 0 included.
void ExpectSameState(const FlightState& actual, const FlightState& expected);

// The display as the window has it now, as plain values.
PlainScene SceneOf(const window::Hive& hive);

// Expects two windows to be at the same point of the same flight: the same flight state
// and every element at the same place.
void ExpectSameFlight(const window::Hive& actual, const window::Hive& expected);

// The number of pixels in `region`.
double RegionArea(const QRegion& region);

// The red, green and blue of a pixel as one comparable value.
inline QRgb PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

} // namespace drelk::tests

namespace drelk::tests {

// Holds back the window's own timer ticks so that a test decides when each tick runs;
// Send() lets exactly one through, by the same route.
class TickGate final : public QObject {
public:
    explicit TickGate(window::Hive& hive) : hive_(hive) { hive_.installEventFilter(this); }
    ~TickGate() override { hive_.removeEventFilter(this); }

    void Send()
    {
        open_ = true;
        SendTick(hive_);
        open_ = false;
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::Timer && !open_;
    }

private:
    window::Hive& hive_;
    bool open_ = false;
};

} // namespace drelk::tests
