// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// A tick's repaint areas joined into one region, and into few rectangles.

#include "window/hive/dirty_region.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using drelk::window::BoxedRegion;
using drelk::window::JoinedRegion;

// The region must be Qt's own union in Qt's own form (QRegion's == compares the rectangles
// one by one): the painter clips to it and the pixels are sent rectangle by rectangle.
// Areas that overlap, touch at a side or a corner, repeat, nest or are empty, as a tick's
// old and new places of eleven moving elements do.
TEST(JoinedRegion, IsQtsUnionInQtsForm)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> place(0, 40);
    std::uniform_int_distribution<int> side(0, 14);
    std::uniform_int_distribution<int> count(0, 22);
    for (int trial = 0; trial < 3000; ++trial) {
        std::vector<QRect> areas(static_cast<std::size_t>(count(random)));
        QRegion expected;
        for (QRect& area : areas) {
            area = QRect(place(random), place(random), side(random), side(random));
            expected += area;
        }
        const QRegion joined = JoinedRegion(areas);
        ASSERT_EQ(joined, expected) << "trial " << trial;
        ASSERT_EQ(joined.boundingRect(), expected.boundingRect()) << "trial " << trial;
        ASSERT_EQ(joined.rectCount(), expected.rectCount()) << "trial " << trial;
    }
}

// Each rectangle of this region reaches the compositor as a request of its own: it covers
// every area, in no more rectangles than there are areas, and reaches no further than they do.
TEST(BoxedRegion, CoversTheAreasInNoMoreRectanglesThanAreas)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> place(0, 60);
    std::uniform_int_distribution<int> side(0, 14);
    std::uniform_int_distribution<int> count(0, 22);
    for (int trial = 0; trial < 3000; ++trial) {
        std::vector<QRect> areas(static_cast<std::size_t>(count(random)));
        int shown = 0;
        for (QRect& area : areas) {
            area = QRect(place(random), place(random), side(random), side(random));
            shown += area.isEmpty() ? 0 : 1;
        }
        const QRegion boxed = BoxedRegion(areas);
        const QRegion joined = JoinedRegion(areas);
        ASSERT_TRUE((joined - boxed).isEmpty()) << "trial " << trial;
        ASSERT_LE(boxed.rectCount(), shown) << "trial " << trial;
        ASSERT_EQ(boxed.boundingRect(), joined.boundingRect()) << "trial " << trial;
    }
    // A region's own bands, handed back, are joined again into the box they were cut from.
    const QRegion banded = QRegion(0, 0, 10, 10) + QRegion(5, 5, 10, 10);
    ASSERT_EQ(banded.rectCount(), 3);
    EXPECT_EQ(BoxedRegion({banded.begin(), banded.end()}), QRegion(0, 0, 15, 15));
}
