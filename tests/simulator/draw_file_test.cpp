// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/bad_input.h"
#include "simulator/draw_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace drelk::sim;

TEST(ParseDraw, ReadsDecimalsAsFloats)
{
    EXPECT_EQ(ParseDraw("0", "f", 1), 0.0f);
    EXPECT_EQ(ParseDraw("0.5", "f", 1), 0.5f);
    EXPECT_EQ(ParseDraw("  0.1 \r", "f", 1), 0.1f);
    EXPECT_EQ(ParseDraw("5e-1", "f", 1), 0.5f);
    EXPECT_EQ(ParseDraw("0.99999994", "f", 1), std::nextafter(1.0f, 0.0f));
}

TEST(ParseDraw, RejectsAnythingButAFloatInZeroToOne)
{
    for (const char* bad : {"1", "1.0", "0.99999999", "-0.1", "abc", "", "   ", "0.5x", "nan",
                            "inf", "0x0.8", "1e-60", "2e9"}) {
        try {
            ParseDraw(bad, "draws.txt", 17);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const BadInput& error) {
            EXPECT_EQ(std::string(error.what()).rfind("draws.txt:17: ", 0), 0u) << error.what();
        }
    }
}

TEST(DrawFileRandom, ReadsLineByLineAndReportsWhereItRanOut)
{
    std::istringstream in("0.25\n0.5\n0.75");
    DrawFileRandom draws(in, "standard input", 18446744073709551615u);
    draws.SeedRandom();
    EXPECT_EQ(draws.NextRandom(), 0.25f);
    EXPECT_EQ(draws.NextRandom(), 0.5f);
    EXPECT_EQ(draws.NextRandom(), 0.75f);
    try {
        draws.NextRandom();
        ADD_FAILURE() << "no error after the last draw";
    } catch (const BadInput& error) {
        EXPECT_STREQ(error.what(), "standard input:4: the draws ran out after 3 values; the flight "
                                   "takes 18446744073709551656 (41 for the scatter, then one a "
                                   "tick)");
    }
    // Begun again every second, 100 ticks are 90 movement ticks and 10 scatters more.
    std::istringstream none("");
    DrawFileRandom rescattered(none, "d", 100, 1);
    try {
        rescattered.NextRandom();
        ADD_FAILURE() << "no error without draws";
    } catch (const BadInput& error) {
        EXPECT_STREQ(error.what(), "d:1: the draws ran out after 0 values; the flight takes 541 "
                                   "(41 for each of its 11 scatters, then one a tick)");
    }
}
