// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/heading.h"

#include "flight/numeric_rules.h"

#include <array>
#include <cmath>

namespace drelk {
namespace {

struct HeadingTable {
    std::array<double, 360> sin;
    std::array<double, 360> cos;

    HeadingTable()
    {
        for (std::int16_t h = 0; h < 360; ++h) {
            sin[static_cast<std::size_t>(h)] = std::sin(DegreesToRadians(h));
            cos[static_cast<std::size_t>(h)] = std::cos(DegreesToRadians(h));
        }
    }
};

// Filled during static initialisation, before any window or tick exists.
const HeadingTable kTable;

} // namespace

std::int16_t OppositeHeading(std::int16_t h)
{
    const std::int16_t turned = AddInt16(h, 180);
    return turned >= 360 ? static_cast<std::int16_t>(turned - 360) : turned;
}

double HeadingSin(std::int16_t h)
{
    return h >= 0 && h < 360 ? kTable.sin[static_cast<std::size_t>(h)]
                             : std::sin(DegreesToRadians(h));
}

double HeadingCos(std::int16_t h)
{
    return h >= 0 && h < 360 ? kTable.cos[static_cast<std::size_t>(h)]
                             : std::cos(DegreesToRadians(h));
}

} // namespace drelk
