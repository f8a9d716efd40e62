// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/simulation.h"

#include "flight/rescatter.h"
#include "flight/scatter.h"
#include "simulator/csv_report.h"
#include "simulator/stop_signals.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace drelk::sim {
namespace {

void Write(std::string& text, std::FILE* out)
{
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) {
        throw OutputError(std::strerror(errno));
    }
    text.clear();
}

} // namespace

void RunSimulation(const SimOptions& options, RandomSource& random, std::FILE* out)
{
    std::vector<Resize> resizes = options.resizes;
    std::stable_sort(resizes.begin(), resizes.end(),
                     [](const Resize& a, const Resize& b) { return a.tick < b.tick; });
    auto next_resize = resizes.begin();

    PlainScene scene(static_cast<float>(options.window.width),
                     static_cast<float>(options.window.height));
    auto apply_resizes_up_to = [&](std::uint64_t tick) {
        for (; next_resize != resizes.end() && next_resize->tick <= tick; ++next_resize) {
            scene.Resize(static_cast<float>(next_resize->size.width),
                         static_cast<float>(next_resize->size.height));
        }
    };

    FlightState state;
    Rescatter rescatter(options.rescatter_seconds);
    std::string row;
    AppendCsvHeader(row);
    Write(row, out);

    apply_resizes_up_to(0);
    ScatterDrones(state, scene, random);
    AppendCsvRow(row, 0, state, scene);
    Write(row, out);

    for (std::uint64_t tick = 1; tick <= options.ticks; ++tick) {
        if (StopSignal() != 0) {
            return;
        }
        apply_resizes_up_to(tick);
        FlightTick(tick, rescatter, state, scene, random);
        // The last tick is the end state of the run, which people look for: always printed.
        if (tick % options.every == 0 || tick == options.ticks) {
            AppendCsvRow(row, tick, state, scene);
            Write(row, out);
        }
    }
}

} // namespace drelk::sim
