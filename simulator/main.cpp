// drelk-sim: the Drelk flight without a window, printed as CSV.

#include "flight/flight_fault.h"
#include "simulator/bad_input.h"
#include "simulator/draw_file.h"
#include "simulator/printable_text.h"
#include "simulator/sim_options.h"
#include "simulator/simulation.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

constexpr int kExitBadInput = 2;

int Fail(const char* kind, const char* message, int status)
{
    std::fflush(stdout);
    std::fprintf(stderr, "drelk-sim: %s%s\n", kind, message);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace drelk;
    using namespace drelk::sim;

    std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        const SimOptions options = ParseSimOptions(args);
        if (options.help) {
            std::fputs(SimUsage().data(), stdout);
            return 0;
        }
        if (options.draws_path) {
            const std::string& path = *options.draws_path;
            if (path == "-") {
                DrawFileRandom draws(std::cin, "standard input");
                RunSimulation(options, draws, stdout);
            } else {
                std::ifstream file(path);
                if (!file) {
                    throw BadInput("--draws: cannot read " + Quoted(path) + ": " +
                                   std::strerror(errno));
                }
                DrawFileRandom draws(file, path);
                RunSimulation(options, draws, stdout);
            }
        } else {
            MersenneRandom random(options.seed);
            RunSimulation(options, random, stdout);
        }
    } catch (const BadInput& error) {
        return Fail("", error.what(), kExitBadInput);
    } catch (const FlightFault& error) {
        return Fail("flight fault: ", error.what(), kExitFlightFault);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return Fail("", "could not write the output", 1);
    }
    return 0;
}
