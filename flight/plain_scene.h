// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/designed_layout.h"
#include "flight/flight_state.h"

#include <array>

namespace drelk {

// The ends of one drone line, in twips.
struct LineEnds {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The display as plain values: what a window would show, without one. The simulator flies
// against it, and so do the tests, benchmarks and fuzzers of the flight.
class PlainScene final : public FlightScene {
public:
    PlainScene(float window_width, float window_height)
        : window_width_(window_width), window_height_(window_height)
    {
    }

    float QueenLeft() const override { return queen_left_; }
    float QueenTop() const override { return queen_top_; }
    float QueenWidth() const override { return kQueenWidth; }
    float QueenHeight() const override { return kQueenHeight; }
    void SetQueenLeft(float left) override { queen_left_ = left; }
    void SetQueenTop(float top) override { queen_top_ = top; }
    float WindowWidth() const override { return window_width_; }
    float WindowHeight() const override { return window_height_; }
    void SetDroneLineX(int n, float x1, float x2) override;
    void SetDroneLineY(int n, float y1, float y2) override;

    void Resize(float width, float height)
    {
        window_width_ = width;
        window_height_ = height;
    }
    const LineEnds& Line(int n) const { return lines_[DroneLineIndex(n)]; }

private:
    float queen_left_ = kQueenStartLeft;
    float queen_top_ = kQueenStartTop;
    float window_width_;
    float window_height_;
    std::array<LineEnds, kDroneCount + 1> lines_{}; // by drone number; 0 unused
};

} // namespace drelk
