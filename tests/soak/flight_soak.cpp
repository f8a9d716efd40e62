// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// flight_soak: millions of movement ticks through the simulator's scene, with the window
// resized at random from 1 x 1 up to 1,000,000 x 1,000,000 twips, checking after every tick
// what must always hold. Prints its figures; exits 1 on any finding, 2 on bad arguments.
//
//     flight_soak TICKS [SEED]

#include "flight/flight_fault.h"
#include "flight/movement_tick.h"
#include "flight/plain_scene.h"
#include "flight/scatter.h"
#include "tests/support/flight_invariants.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string_view>

using namespace drelk;

namespace {

// Each flight is scattered afresh, like a program started again.
constexpr std::uint64_t kTicksPerFlight = 100000;
constexpr double kLargestSide = 1000000.0;
constexpr int kFindingsShown = 10;

bool ParseNumber(std::string_view text, std::uint64_t& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

// Sides spread evenly over every scale from 1 twip to a million.
float RandomSide(std::mt19937_64& engine)
{
    std::uniform_real_distribution<double> exponent(0.0, std::log(kLargestSide));
    return static_cast<float>(
        std::clamp(std::round(std::exp(exponent(engine))), 1.0, kLargestSide));
}

struct SoakFigures {
    std::uint64_t ticks = 0;
    std::uint64_t flights = 0;
    std::uint64_t resizes = 0;
    std::uint64_t findings = 0;
    std::int32_t widest_head = 0;
};

void Report(SoakFigures& figures, std::uint64_t tick, const std::string& what)
{
    if (++figures.findings <= kFindingsShown) {
        std::printf("finding: flight %llu tick %llu: %s\n",
                    static_cast<unsigned long long>(figures.flights),
                    static_cast<unsigned long long>(tick), what.c_str());
    }
}

// One flight of `ticks` ticks; stops at its first finding, as the program would.
void Fly(std::uint64_t ticks, std::uint64_t seed, std::mt19937_64& sizes, SoakFigures& figures)
{
    ++figures.flights;
    PlainScene scene(RandomSide(sizes), RandomSide(sizes));
    MersenneRandom random(seed);
    FlightState state;
    std::uniform_int_distribution<std::uint64_t> gap(1, 1000);
    std::uint64_t next_resize = gap(sizes);
    std::uint64_t tick = 0;
    try {
        ScatterDrones(state, scene, random);
        if (auto broken = tests::CheckAfterScatter(state, scene)) {
            return Report(figures, 0, *broken);
        }
        for (tick = 1; tick <= ticks; ++tick) {
            if (tick == next_resize) {
                scene.Resize(RandomSide(sizes), RandomSide(sizes));
                ++figures.resizes;
                next_resize += gap(sizes);
            }
            const tests::FlightSnapshot before = tests::TakeSnapshot(state, scene);
            MovementTimer_Timer(state, scene, random);
            ++figures.ticks;
            if (auto broken = tests::CheckAfterTick(before, state, scene)) {
                return Report(figures, tick, *broken);
            }
            for (int n = 1; n <= kDroneCount; ++n) {
                const DroneState& drone = state.Drones[static_cast<std::size_t>(n)];
                figures.widest_head =
                    std::max({figures.widest_head, std::abs(drone.X), std::abs(drone.Y)});
            }
        }
    } catch (const FlightFault& fault) {
        Report(figures, tick, std::string("flight fault: ") + fault.what());
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t total = 0;
    std::uint64_t seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    if (argc < 2 || argc > 3 || !ParseNumber(argv[1], total) ||
        (argc == 3 && !ParseNumber(argv[2], seed))) {
        std::fprintf(stderr, "usage: flight_soak TICKS [SEED] (whole numbers)\n");
        return 2;
    }

    std::mt19937_64 sizes(seed);
    SoakFigures figures;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t done = 0; done < total; done += kTicksPerFlight) {
        Fly(std::min(kTicksPerFlight, total - done), seed + figures.flights, sizes, figures);
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;

    std::printf("soak: %llu ticks in %llu flights, %llu resizes (sides 1..%.0f twips), seed %llu\n",
                static_cast<unsigned long long>(figures.ticks),
                static_cast<unsigned long long>(figures.flights),
                static_cast<unsigned long long>(figures.resizes), kLargestSide,
                static_cast<unsigned long long>(seed));
    std::printf("soak: widest head %d twips; %.2f s wall, %.0f ns per checked tick\n",
                figures.widest_head, wall.count(),
                figures.ticks ? wall.count() * 1e9 / static_cast<double>(figures.ticks) : 0.0);
    std::printf("soak: %llu findings\n", static_cast<unsigned long long>(figures.findings));
    return figures.findings == 0 ? 0 : 1;
}
