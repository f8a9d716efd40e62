// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/random_source.h"

#include <chrono>

namespace drelk {

std::uint64_t ClockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void MersenneRandom::SeedRandom()
{
    const std::uint64_t seed = fixed_seed_ ? *fixed_seed_ : ClockSeed();
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    engine_.seed(sequence);
}

float MersenneRandom::NextRandom()
{
    // The top 24 bits of a 32-bit draw scaled by 2^-24 are exact in a float and at most
    // 1 - 2^-24, so the result can never round up to 1.
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(engine_() >> 8) * kScale;
}

} // namespace drelk
