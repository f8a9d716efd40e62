// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flight/random_source.h"
#include "simulator/sim_options.h"

#include <cstdio>
#include <stdexcept>

namespace drelk::sim {

// The CSV could not be written; the message is the system's reason.
class OutputError : public std::runtime_error {
public:
    explicit OutputError(const char* reason) : std::runtime_error(reason) {}
};

// Runs the scatter and then the movement ticks that `options` asks for, writing the CSV
// to `out` one whole row at a time, so that rows already written stay intact when a
// later draw or tick fails. Every K-th tick is printed, and the last tick always. Once
// StopSignal() is set it returns before the next tick. Throws BadInput, FlightFault or
// OutputError.
void RunSimulation(const SimOptions& options, RandomSource& random, std::FILE* out);

} // namespace drelk::sim
