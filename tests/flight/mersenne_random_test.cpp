// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using drelk::MersenneRandom;

TEST(MersenneRandom, DrawsAreFloatsOnTheUnitGridBelowOne)
{
    MersenneRandom random(12345);
    random.SeedRandom();
    float lowest = 1.0f, highest = 0.0f;
    double sum = 0.0;
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
        const float r = random.NextRandom();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        // Every draw is a whole multiple of 2^-24, so it is exact and never rounds to 1.
        ASSERT_EQ(std::ldexp(r, 24), std::floor(std::ldexp(r, 24)));
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        sum += r;
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
}

TEST(MersenneRandom, FixedSeedRepeatsAndDifferentSeedsDiffer)
{
    MersenneRandom a(99), b(99), c(100);
    a.SeedRandom();
    b.SeedRandom();
    c.SeedRandom();
    int same_as_c = 0;
    for (int i = 0; i < 100; ++i) {
        const float x = a.NextRandom();
        EXPECT_EQ(x, b.NextRandom());
        same_as_c += x == c.NextRandom();
    }
    EXPECT_LT(same_as_c, 5);
}

TEST(MersenneRandom, ClockSeedsDifferBetweenRuns)
{
    std::set<float> firsts;
    for (int i = 0; i < 5; ++i) {
        MersenneRandom random;
        random.SeedRandom();
        firsts.insert(random.NextRandom());
    }
    EXPECT_GT(firsts.size(), 1u);
}
