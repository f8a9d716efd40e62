// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QRegion>

#include <vector>

namespace drelk::window {

// The union of `areas` as a region, built in one sweep down the y edges of the areas rather
// than by merging regions one into another, which costs Qt a pass over both each time.
QRegion JoinedRegion(const std::vector<QRect>& areas);

} // namespace drelk::window
