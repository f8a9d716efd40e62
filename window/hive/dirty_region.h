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

// A region covering `areas` in few rectangles, for a backing store that sends each of its
// rectangles to the compositor as a request of its own: areas that overlap, or lie one just
// above the other as a region's bands do, are joined into their bounding box, and areas that share
// some rows are stretched to the same rows, so that Qt's bands cut none of them. It covers more
// than the areas' union, never more rectangles.
QRegion BoxedRegion(std::vector<QRect> areas);

} // namespace drelk::window
