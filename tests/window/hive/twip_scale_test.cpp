// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Twips to pixels through the screen's logical DPI.

#include "window/hive/twip_scale.h"

#include <gtest/gtest.h>

#include <limits>

using drelk::window::DesignedClientPixels;
using drelk::window::TwipScale;

TEST(TwipScale, MapsThroughTheLogicalDpi)
{
    const TwipScale usual(96, 96);
    EXPECT_EQ(usual.XToPixels(9105), 607.0);
    EXPECT_EQ(usual.YToPixels(6930), 462.0);
    EXPECT_EQ(usual.XToTwips(607), 9105.0f);

    // A screen of 144 dpi across and 120 down: 10 and 12 twips a pixel.
    const TwipScale dense(144, 120);
    EXPECT_EQ(dense.XToPixels(9105), 910.5);
    EXPECT_EQ(dense.YToPixels(6930), 577.5);
    EXPECT_EQ(dense.XToTwips(910.5), 9105.0f);
    EXPECT_EQ(dense.YToTwips(577.5), 6930.0f);

    // The window's designed size takes each side through its own DPI (halves round up).
    EXPECT_EQ(DesignedClientPixels(usual), QSize(607, 462));
    EXPECT_EQ(DesignedClientPixels(dense), QSize(911, 578));
}

TEST(TwipScale, AScreenWithoutAUsableDpiCountsAs96)
{
    const TwipScale usual;
    EXPECT_EQ(TwipScale(0, -5), usual);
    EXPECT_EQ(TwipScale(std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()),
              usual);
    EXPECT_NE(TwipScale(100, 96), usual);
}
