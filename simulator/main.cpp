// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// drelk-sim: the Drelk flight without a window, printed as CSV.

#include "flight/flight_fault.h"
#include "simulator/bad_input.h"
#include "simulator/draw_file.h"
#include "simulator/exit_status.h"
#include "simulator/printable_text.h"
#include "simulator/sim_options.h"
#include "simulator/simulation.h"
#include "simulator/stop_signals.h"
#include "simulator/stoppable_input.h"
#include "simulator/user_language.h"
#include "simulator/user_text.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <istream>
#include <vector>

namespace {

int Fail(const std::string& message, int status)
{
    std::fflush(stdout);
    std::fprintf(stderr, "drelk-sim: %s\n", message.c_str());
    return status;
}

// Everything printed, the help and the version too, has reached standard output; if not,
// that is said as for the CSV.
int Flushed()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return Fail(
            drelk::sim::Filled(drelk::sim::Translated("drelk-sim", "cannot write the output: %1"),
                               {std::strerror(errno)}),
            drelk::sim::kExitWriteFailed);
    }
    return drelk::sim::kExitDone;
}

// Runs on the draws read from `fd`, which may be a pipe or a terminal that keeps the run
// waiting: a stop signal ends the wait at once.
void RunFromDescriptor(const drelk::sim::SimOptions& options, int fd, const std::string& name)
{
    using namespace drelk::sim;
    StoppableInput input(fd);
    std::istream in(&input);
    DrawFileRandom draws(in, name, options.ticks, options.rescatter_seconds);
    RunSimulation(options, draws, stdout);
}

void RunFromFile(const drelk::sim::SimOptions& options, const std::string& path)
{
    using namespace drelk::sim;
    // A directory opens and fails only when read: say so up front.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        throw BadInput(Filled(Translated("drelk-sim", "--draws: cannot read %1: %2"),
                              {Quoted(path), std::strerror(EISDIR)}));
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw BadInput(Filled(Translated("drelk-sim", "--draws: cannot read %1: %2"),
                              {Quoted(path), std::strerror(errno)}));
    }
    try {
        RunFromDescriptor(options, fd, path);
    } catch (...) {
        close(fd);
        throw;
    }
    close(fd);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::sim;

    UseUserLanguage();
    std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        const SimOptions options = ParseSimOptions(args);
        switch (options.action) {
        case SimAction::PrintHelp:
            std::fputs(SimUsage().c_str(), stdout);
            return Flushed();
        case SimAction::PrintVersion:
            std::fputs("drelk-sim (Drelk) " DRELK_VERSION_TEXT "\n", stdout);
            return Flushed();
        case SimAction::Run:
            break;
        }
        CatchStopSignals();
        if (options.draws_path && *options.draws_path == "-") {
            RunFromDescriptor(options, STDIN_FILENO, Translated("drelk-sim", "standard input"));
        } else if (options.draws_path) {
            RunFromFile(options, *options.draws_path);
        } else {
            // A clock-seeded run is told its seed, so that it can be repeated; the CSV stays
            // the same as ever.
            const std::uint64_t seed = options.seed.value_or(ClockSeed());
            if (!options.seed) {
                std::fprintf(stderr, "drelk-sim: %s\n",
                             Filled(Translated("drelk-sim",
                                               "seeded from the clock; --seed %1 repeats this run"),
                                    {std::to_string(seed)})
                                 .c_str());
            }
            MersenneRandom random(seed);
            RunSimulation(options, random, stdout);
        }
    } catch (const BadInput& error) {
        // Draws that ran out because the same signal ended the program feeding them are the
        // signal's doing, not bad input.
        if (StopSignal() == 0) {
            return Fail(error.what(), kExitBadInput);
        }
    } catch (const FlightFault& error) {
        return Fail(Filled(Translated("drelk-sim", "flight fault: %1"), {error.what()}),
                    kExitFlightFault);
    } catch (const OutputError& error) {
        return Fail(Filled(Translated("drelk-sim", "cannot write the output: %1"), {error.what()}),
                    kExitWriteFailed);
    }
    if (const int status = Flushed(); status != kExitDone) {
        return status;
    }
    if (const int signal = StopSignal(); signal != 0) {
        DieOfStopSignal(signal);
    }
    return kExitDone;
}
