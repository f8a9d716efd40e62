// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace drelk {

// Where the flight's randomness comes from: the scatter seeds it once, then every use
// of a random value is one NextRandom().
class RandomSource {
public:
    virtual void SeedRandom() = 0;
    // A single-precision value r with 0 <= r < 1.
    virtual float NextRandom() = 0;

protected:
    ~RandomSource() = default;
};

// The program's generator: uniform over the 2^24 floats k / 2^24 (every one exact, none
// of them 1), seeded from the clock, or from a fixed seed for reproducible runs.
class MersenneRandom final : public RandomSource {
public:
    explicit MersenneRandom(std::optional<std::uint64_t> fixed_seed = std::nullopt)
        : fixed_seed_(fixed_seed)
    {
    }

    void SeedRandom() override;
    float NextRandom() override;

private:
    std::optional<std::uint64_t> fixed_seed_;
    std::mt19937 engine_;
};

// The seed a run without a fixed seed takes from the clock. Given back as a fixed seed it
// repeats that run.
std::uint64_t ClockSeed();

} // namespace drelk
