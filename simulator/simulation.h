#pragma once

#include "flight/random_source.h"
#include "simulator/sim_options.h"

#include <cstdio>

namespace drelk::sim {

// Runs the scatter and then the movement ticks that `options` asks for, writing the CSV
// to `out` one whole row at a time, so that rows already written stay intact when a
// later draw or tick fails. Throws BadInput or FlightFault.
void RunSimulation(const SimOptions& options, RandomSource& random, std::FILE* out);

} // namespace drelk::sim
