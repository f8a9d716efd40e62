// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// drelk-sim: the Drelk flight without a window, printed as CSV.

#include "flight/flight_fault.h"
#include "simulator/bad_input.h"
#include "simulator/draw_file.h"
#include "simulator/printable_text.h"
#include "simulator/sim_options.h"
#include "simulator/simulation.h"
#include "simulator/stop_signals.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;

int Fail(const char* kind, const char* message, int status)
{
    std::fflush(stdout);
    std::fprintf(stderr, "drelk-sim: %s%s\n", kind, message);
    return status;
}

void RunFromFile(const drelk::sim::SimOptions& options, const std::string& path)
{
    using namespace drelk::sim;
    // A directory opens as a stream and fails only when read: say so up front.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        throw BadInput("--draws: cannot read " + Quoted(path) + ": " + std::strerror(EISDIR));
    }
    std::ifstream file(path);
    if (!file) {
        throw BadInput("--draws: cannot read " + Quoted(path) + ": " + std::strerror(errno));
    }
    DrawFileRandom draws(file, path);
    RunSimulation(options, draws, stdout);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::sim;

    std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        const SimOptions options = ParseSimOptions(args);
        switch (options.action) {
        case SimAction::PrintHelp:
            std::fputs(SimUsage().data(), stdout);
            return 0;
        case SimAction::PrintVersion:
            std::fputs("drelk-sim (Drelk) " DRELK_VERSION_TEXT "\n", stdout);
            return 0;
        case SimAction::Run:
            break;
        }
        CatchStopSignals();
        if (options.draws_path && *options.draws_path == "-") {
            DrawFileRandom draws(std::cin, "standard input");
            RunSimulation(options, draws, stdout);
        } else if (options.draws_path) {
            RunFromFile(options, *options.draws_path);
        } else {
            // A clock-seeded run is told its seed, so that it can be repeated; the CSV stays
            // the same as ever.
            const std::uint64_t seed = options.seed.value_or(ClockSeed());
            if (!options.seed) {
                std::fprintf(stderr,
                             "drelk-sim: seeded from the clock; --seed %llu repeats this run\n",
                             static_cast<unsigned long long>(seed));
            }
            MersenneRandom random(seed);
            RunSimulation(options, random, stdout);
        }
    } catch (const BadInput& error) {
        // Draws that ran out because the same signal ended the program feeding them are the
        // signal's doing, not bad input.
        if (StopSignal() == 0) {
            return Fail("", error.what(), kExitBadInput);
        }
    } catch (const FlightFault& error) {
        return Fail("flight fault: ", error.what(), kExitFlightFault);
    } catch (const OutputError& error) {
        return Fail("cannot write the output: ", error.what(), kExitWriteFailed);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return Fail("cannot write the output: ", std::strerror(errno), kExitWriteFailed);
    }
    if (const int signal = StopSignal(); signal != 0) {
        return 128 + signal;
    }
    return 0;
}
