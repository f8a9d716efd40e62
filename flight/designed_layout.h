// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

// The window as designed, in twips: what the program shows before anyone resizes it, and
// what the headless simulator assumes by default.

namespace drelk {

inline constexpr int kDesignedClientWidth = 9105;
inline constexpr int kDesignedClientHeight = 6930;

// Before the window is first shown it has no frame yet, so its outer size is its client
// size; this is the size the scatter sees.
inline constexpr int kDesignedOuterWidth = kDesignedClientWidth;
inline constexpr int kDesignedOuterHeight = kDesignedClientHeight;

inline constexpr float kQueenStartLeft = 3960.0f;
inline constexpr float kQueenStartTop = 3000.0f;
inline constexpr float kQueenWidth = 375.0f;
inline constexpr float kQueenHeight = 435.0f;

} // namespace drelk
