// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace drelk {

// π as the flight rules use it: this literal, a double a little below full-precision π,
// so that every conversion between degrees and radians gives the same bits everywhere.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kRadiansPerDegree = kPi / 180.0;
inline constexpr double kDegreesPerRadian = 180.0 / kPi;

// h + 180, less 360 when that reaches 360: the heading pointing the other way.
std::int16_t OppositeHeading(std::int16_t h);

inline double DegreesToRadians(std::int16_t h) { return kRadiansPerDegree * h; }

// sin and cos of DegreesToRadians(h), to the bit. Headings between steps are whole
// degrees 0..359, so these come from a table filled once with the very same calls;
// any other h is computed on the spot.
double HeadingSin(std::int16_t h);
double HeadingCos(std::int16_t h);

} // namespace drelk
