// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/random_source.h"

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

namespace drelk::tests {

// Replays a fixed list of draws, optionally cycling, and counts seeds and draws.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws, bool cycle = false)
        : draws_(std::move(draws)), cycle_(cycle)
    {
    }

    void SeedRandom() override { ++seeds; }
    float NextRandom() override
    {
        if (draws_.empty() || (!cycle_ && drawn == draws_.size())) {
            throw std::logic_error("scripted draws ran out");
        }
        return draws_[drawn++ % draws_.size()];
    }

    std::size_t drawn = 0;
    int seeds = 0;

private:
    std::vector<float> draws_;
    bool cycle_;
};

} // namespace drelk::tests
