// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Fuzzes the flight itself: the real scatter and movement ticks, driven by draws, a window
// size and resizes that all come from the fuzzer's input, with sides from 1 to 1,000,000
// twips. After the scatter and after every tick the flight must be sound (headings 0..359,
// 50-twip steps, each line `Length` long behind its head, nothing NaN or infinite). Heads
// are held in 32 bits, so no fault of the flight rules may happen in windows this size.

#include "flight/flight_fault.h"
#include "flight/movement_tick.h"
#include "flight/plain_scene.h"
#include "flight/scatter.h"
#include "tests/support/flight_invariants.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace drelk;

namespace {

constexpr int kLargestSide = 1000000;
constexpr int kMostTicks = 1000;

// Draws as the fuzzer picks them: on the production generator's grid of k / 2^24, or any
// float at all from 0 up to the largest below 1, subnormal ones included.
class FuzzedRandom final : public RandomSource {
public:
    explicit FuzzedRandom(FuzzedDataProvider& input) : input_(input) {}

    void SeedRandom() override {}
    float NextRandom() override
    {
        const auto bits = input_.ConsumeIntegral<std::uint32_t>();
        if (bits & 1u) {
            return static_cast<float>(bits >> 8) / 16777216.0f;
        }
        // Non-negative floats below 1.0f are exactly the bit patterns below 0x3F800000.
        return std::bit_cast<float>((bits >> 1) % 0x3F800000u);
    }

private:
    FuzzedDataProvider& input_;
};

float Side(FuzzedDataProvider& input)
{
    return static_cast<float>(input.ConsumeIntegralInRange<int>(1, kLargestSide));
}

[[noreturn]] void Finding(int tick, const std::string& what)
{
    std::fprintf(stderr, "finding at tick %d: %s\n", tick, what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const float width = Side(input);
    const float height = Side(input);
    const int ticks = input.ConsumeIntegralInRange<int>(0, kMostTicks);
    PlainScene scene(width, height);
    // Now and then the queen starts anywhere in the window on a half-twip grid rather than
    // at her designed place, so that a head can sit exactly on her centre, or straight in
    // line with it, as the pursuit's bearing table foresees.
    if (input.ConsumeBool()) {
        const auto half_twips = [&](float side) {
            return static_cast<float>(
                       input.ConsumeIntegralInRange<int>(0, 2 * static_cast<int>(side))) /
                   2.0f;
        };
        const float left = half_twips(width);
        scene.SetQueenLeft(left);
        scene.SetQueenTop(half_twips(height));
    }
    FuzzedRandom random(input);
    FlightState state;

    int tick = 0;
    try {
        ScatterDrones(state, scene, random);
        if (auto broken = tests::CheckAfterScatter(state, scene)) {
            Finding(tick, *broken);
        }
        for (tick = 1; tick <= ticks; ++tick) {
            // About one tick in eight is preceded by a resize; a spent input resizes no more.
            if (input.ConsumeIntegral<std::uint8_t>() >= 224) {
                const float new_width = Side(input);
                scene.Resize(new_width, Side(input));
            }
            const tests::FlightSnapshot before = tests::TakeSnapshot(state, scene);
            MovementTimer_Timer(state, scene, random);
            if (auto broken = tests::CheckAfterTick(before, state, scene)) {
                Finding(tick, *broken);
            }
        }
    } catch (const FlightFault& fault) {
        Finding(tick, std::string("flight fault: ") + fault.what());
    }
    return 0;
}
