// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/hive/twip_scale.h"

#include "flight/designed_layout.h"

#include <cmath>

namespace drelk::window {
namespace {

double UsableDpi(double dpi)
{
    return std::isfinite(dpi) && dpi > 0.0 ? dpi : TwipScale::kFallbackDpi;
}

} // namespace

void TwipScale::SetLogicalDpi(double dpi_x, double dpi_y)
{
    pixels_per_twip_x_ = UsableDpi(dpi_x) / kTwipsPerInch;
    pixels_per_twip_y_ = UsableDpi(dpi_y) / kTwipsPerInch;
}

float TwipScale::XToTwips(double pixels) const
{
    return static_cast<float>(pixels / pixels_per_twip_x_);
}

float TwipScale::YToTwips(double pixels) const
{
    return static_cast<float>(pixels / pixels_per_twip_y_);
}

QSize DesignedClientPixels(const TwipScale& scale)
{
    return {static_cast<int>(std::lround(scale.XToPixels(kDesignedClientWidth))),
            static_cast<int>(std::lround(scale.YToPixels(kDesignedClientHeight)))};
}

} // namespace drelk::window
