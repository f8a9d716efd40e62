// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/designed_layout.h"
#include "flight/heading.h"
#include "flight/movement_tick.h"
#include "flight/plain_scene.h"
#include "tests/support/scripted_random.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace drelk;
using drelk::PlainScene;
using drelk::tests::ScriptedRandom;

namespace {

// A draw that makes the jitter turn by exactly `turn` degrees (-15..+14).
float DrawForTurn(int turn) { return static_cast<float>((turn + 15.5) / 30.0); }

struct QueenFlight : testing::Test {
    FlightState state;
    PlainScene scene{kDesignedOuterWidth, kDesignedOuterHeight};

    // One queen phase from `heading` with the given turn; returns the new heading.
    int Fly(int heading, int turn)
    {
        state.QueenHeading = static_cast<std::int16_t>(heading);
        ScriptedRandom random({DrawForTurn(turn)});
        FlyQueen(state, scene, random);
        EXPECT_EQ(random.drawn, 1u);
        return state.QueenHeading;
    }
};

} // namespace

TEST_F(QueenFlight, JitterFoldsIntoZeroTo359)
{
    EXPECT_EQ(Fly(355, 10), 5);
    EXPECT_EQ(Fly(3, -15), 348);
    EXPECT_EQ(Fly(0, 0), 0);
    EXPECT_EQ(Fly(359, 1), 0);
    EXPECT_EQ(Fly(0, -1), 359);
}

TEST_F(QueenFlight, DrawsAtTheEndsOfTheRangeTurnMinus15AndPlus14)
{
    ScriptedRandom lowest({0.0f});
    state.QueenHeading = 100;
    FlyQueen(state, scene, lowest);
    EXPECT_EQ(state.QueenHeading, 85);

    ScriptedRandom highest({std::nextafter(1.0f, 0.0f)});
    state.QueenHeading = 100;
    FlyQueen(state, scene, highest);
    EXPECT_EQ(state.QueenHeading, 114);
}

TEST_F(QueenFlight, StepsFiftyTwipsAlongTheHeading)
{
    Fly(0, 0);
    EXPECT_EQ(scene.QueenLeft(), 3960.0f);
    EXPECT_EQ(scene.QueenTop(), 3050.0f);

    scene.SetQueenLeft(kQueenStartLeft);
    scene.SetQueenTop(kQueenStartTop);
    Fly(90, 0);
    EXPECT_EQ(scene.QueenLeft(), 4010.0f);
    EXPECT_EQ(scene.QueenTop(), 3000.0f);

    scene.SetQueenLeft(kQueenStartLeft);
    scene.SetQueenTop(kQueenStartTop);
    Fly(45, 0);
    EXPECT_NEAR(scene.QueenLeft(), 3995.3552f, 5e-4f);
    EXPECT_NEAR(scene.QueenTop(), 3035.3552f, 5e-4f);
    // The step is computed in double and rounded once to float.
    const double a = (kPi / 180.0) * 45;
    EXPECT_EQ(scene.QueenLeft(), static_cast<float>(50.0 * std::sin(a) + 3960.0));
    EXPECT_EQ(scene.QueenTop(), static_cast<float>(50.0 * std::cos(a) + 3000.0));
}

TEST_F(QueenFlight, LeftMarginIsStrict)
{
    scene.SetQueenLeft(750.0f); // exactly twice the queen's width, after a step straight down
    EXPECT_EQ(Fly(0, 0), 0);
    scene.SetQueenLeft(749.0f);
    EXPECT_EQ(Fly(0, 0), 180);
}

TEST_F(QueenFlight, RightMarginUsesTheQueensHeight)
{
    // 9105 - 2 x 435 = 8235; a bound from her width would be 8355.
    scene.SetQueenLeft(8235.0f);
    EXPECT_EQ(Fly(0, 0), 0);
    scene.SetQueenLeft(8300.0f);
    EXPECT_EQ(Fly(0, 0), 180);
}

TEST_F(QueenFlight, TopAndBottomMargins)
{
    scene.SetQueenTop(870.0f + 50.0f); // 870 after a step up: not beyond
    EXPECT_EQ(Fly(180, 0), 180);
    EXPECT_EQ(scene.QueenTop(), 870.0f);
    EXPECT_EQ(Fly(180, 0), 0); // 820 is beyond

    scene.SetQueenTop(6930.0f - 870.0f - 50.0f);
    EXPECT_EQ(Fly(0, 0), 0);
    EXPECT_EQ(Fly(0, 0), 180);
}

TEST_F(QueenFlight, QueenBeyondALineTurnsBackAndForthUntilShesOut)
{
    scene.SetQueenLeft(600.0f); // beyond the left line, flying along it
    scene.SetQueenTop(3000.0f);
    EXPECT_EQ(Fly(0, 0), 180);
    EXPECT_EQ(Fly(180, 0), 0);
    EXPECT_EQ(scene.QueenLeft(), 600.0f); // never moved back or clamped
}

TEST_F(QueenFlight, NarrowWindowReversesOnEveryTickWhereverSheIs)
{
    // In a 1000-twip-wide window the right line (130) lies left of the left line (750),
    // so every position is beyond one of them.
    scene.Resize(1000.0f, 10000.0f);
    scene.SetQueenTop(5000.0f);
    for (float left : {100.0f, 500.0f, 900.0f}) {
        scene.SetQueenLeft(left);
        EXPECT_EQ(Fly(0, 0), 180) << left;
        EXPECT_EQ(Fly(180, 0), 0) << left;
    }
}

TEST_F(QueenFlight, ResizingMovesTheMarginsButNotTheQueen)
{
    scene.SetQueenLeft(8300.0f);
    scene.Resize(12000.0f, 9000.0f);
    EXPECT_EQ(Fly(0, 0), 0); // 8300 is well inside a 12000-twip window
    EXPECT_EQ(scene.QueenLeft(), 8300.0f);
}
