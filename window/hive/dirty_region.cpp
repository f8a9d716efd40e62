// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/hive/dirty_region.h"

#include <algorithm>
#include <utility>

namespace drelk::window {
namespace {

using Span = std::pair<int, int>; // [left, right) in x

// Into `spans`: the x spans of the areas crossing the band [top, bottom), sorted, and
// joined where they overlap or touch.
void BandSpans(const std::vector<QRect>& areas, int top, int bottom, std::vector<Span>& spans)
{
    spans.clear();
    for (const QRect& area : areas) {
        if (!area.isEmpty() && area.top() <= top && area.bottom() + 1 >= bottom) {
            spans.emplace_back(area.left(), area.right() + 1);
        }
    }
    std::sort(spans.begin(), spans.end());
    std::size_t joined = 0;
    for (const Span& span : spans) {
        if (joined > 0 && span.first <= spans[joined - 1].second) {
            spans[joined - 1].second = std::max(spans[joined - 1].second, span.second);
        } else {
            spans[joined++] = span;
        }
    }
    spans.resize(joined);
}

} // namespace

QRegion JoinedRegion(const std::vector<QRect>& areas)
{
    std::vector<int> edges;
    edges.reserve(2 * areas.size());
    for (const QRect& area : areas) {
        if (!area.isEmpty()) {
            edges.push_back(area.top());
            edges.push_back(area.bottom() + 1);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    // Qt's own form of a region: bands from the top down, each band's rectangles from the
    // left, none touching another in its band, and a band with the same spans as the band
    // just above it joined to that band.
    std::vector<QRect> rects;
    std::vector<Span> spans;
    std::vector<Span> above;
    spans.reserve(areas.size());
    above.reserve(areas.size());
    std::size_t above_first = 0;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = edges[i];
        const int bottom = edges[i + 1];
        BandSpans(areas, top, bottom, spans);
        if (!spans.empty() && spans == above) {
            for (std::size_t r = above_first; r < rects.size(); ++r) {
                rects[r].setBottom(bottom - 1);
            }
        } else {
            above_first = rects.size();
            for (const Span& span : spans) {
                rects.emplace_back(span.first, top, span.second - span.first, bottom - top);
            }
        }
        std::swap(spans, above);
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

QRegion BoxedRegion(std::vector<QRect> areas)
{
    std::erase_if(areas, [](const QRect& area) { return area.isEmpty(); });
    // Each change joins two areas or makes one taller, so the passes end; a pass goes on
    // after a change rather than starting over, and the last pass changes nothing.
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 0; i < areas.size(); ++i) {
            for (std::size_t j = i + 1; j < areas.size();) {
                QRect& a = areas[i];
                QRect& b = areas[j];
                // Overlapping, or one just above the other (as a region's bands are).
                if (a.adjusted(0, 0, 0, 1).intersects(b) || b.adjusted(0, 0, 0, 1).intersects(a)) {
                    a = a.united(b);
                    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                    changed = true;
                    continue;
                }
                if (a.top() <= b.bottom() && b.top() <= a.bottom() &&
                    (a.top() != b.top() || a.bottom() != b.bottom())) {
                    const int top = std::min(a.top(), b.top());
                    const int bottom = std::max(a.bottom(), b.bottom());
                    a.setTop(top);
                    a.setBottom(bottom);
                    b.setTop(top);
                    b.setBottom(bottom);
                    changed = true;
                }
                ++j;
            }
        }
    }
    return JoinedRegion(areas);
}

} // namespace drelk::window
