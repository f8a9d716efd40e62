// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/csv_report.h"

#include <charconv>
#include <type_traits>

namespace drelk::sim {
namespace {

// Whole numbers as they are; reals as the shortest plain decimal that reads back as the
// same float: never an exponent, which `sort -n` and many scripts misread. The longest real
// is a tiny subnormal: "-0." and 45 digits.
template <typename Number> void AppendField(std::string& out, Number value)
{
    char text[64];
    std::to_chars_result result;
    if constexpr (std::is_floating_point_v<Number>) {
        result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    } else {
        result = std::to_chars(text, text + sizeof text, value);
    }
    out.push_back(',');
    out.append(text, result.ptr);
}

} // namespace

void AppendCsvHeader(std::string& out)
{
    out += "tick,queen_heading,queen_left,queen_top";
    for (int n = 1; n <= kDroneCount; ++n) {
        const std::string d = ",d" + std::to_string(n);
        for (const char* field : {"_heading", "_x", "_y", "_length", "_x1", "_y1", "_x2", "_y2"}) {
            out += d;
            out += field;
        }
    }
    out += '\n';
}

void AppendCsvRow(std::string& out, std::uint64_t tick, const FlightState& state,
                  const PlainScene& scene)
{
    out += std::to_string(tick);
    AppendField(out, state.QueenHeading);
    AppendField(out, scene.QueenLeft());
    AppendField(out, scene.QueenTop());
    for (int n = 1; n <= kDroneCount; ++n) {
        const DroneState& drone = state.Drones[static_cast<std::size_t>(n)];
        const LineEnds& line = scene.Line(n);
        AppendField(out, drone.Heading);
        AppendField(out, drone.X);
        AppendField(out, drone.Y);
        AppendField(out, drone.Length);
        AppendField(out, line.x1);
        AppendField(out, line.y1);
        AppendField(out, line.x2);
        AppendField(out, line.y2);
    }
    out += '\n';
}

} // namespace drelk::sim
