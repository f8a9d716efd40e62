// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSize>

namespace drelk::window {

// Twips are physical: 1440 to the inch. The window maps them to device-independent pixels
// through the screen's logical DPI, so at the usual 96 dpi one pixel is 15 twips. On a
// high-DPI screen Qt's device pixel ratio then maps those pixels to device pixels: the
// picture keeps its physical size and the drone lines keep their 5-pixel weight.
class TwipScale {
public:
    static constexpr double kTwipsPerInch = 1440.0;
    static constexpr double kFallbackDpi = 96.0;

    explicit TwipScale(double dpi_x = kFallbackDpi, double dpi_y = kFallbackDpi)
    {
        SetLogicalDpi(dpi_x, dpi_y);
    }

    // A screen that reports no usable DPI is taken as 96 dpi.
    void SetLogicalDpi(double dpi_x, double dpi_y);

    double XToPixels(double twips) const { return twips * pixels_per_twip_x_; }
    double YToPixels(double twips) const { return twips * pixels_per_twip_y_; }
    float XToTwips(double pixels) const;
    float YToTwips(double pixels) const;

    bool operator==(const TwipScale&) const = default;

private:
    double pixels_per_twip_x_ = 0;
    double pixels_per_twip_y_ = 0;
};

// The designed client area in device-independent pixels, each side through its own DPI.
QSize DesignedClientPixels(const TwipScale& scale);

} // namespace drelk::window
