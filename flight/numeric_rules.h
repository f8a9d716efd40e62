// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace drelk {

// The ways a real becomes a stored integer. Each checks that the result fits its type
// and throws FlightFault (naming the rule and the value) when it does not.

// Greatest integer not above v, in 16 bits.
std::int16_t FloorInt16(double v);
// Nearest integer to v, a tie going to the even neighbour, in 16 bits.
std::int16_t ToInt16(double v);

// The same two conversions into 32 bits, for a drone's head, so that a window of any
// size can be flown.
std::int32_t FloorInt32(double v);
std::int32_t ToInt32(double v);

// 16-bit addition for headings (adding or taking away 180 or 360), with an overflow fault.
std::int16_t AddInt16(std::int16_t a, int b);

} // namespace drelk
