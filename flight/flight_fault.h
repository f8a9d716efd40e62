// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>
#include <string>

namespace drelk {

// A broken rule of the flight simulation: a 16-bit overflow, a value that is not a
// number, a drone record outside the table. The flight code never catches it; the
// program that runs the simulation reports it and ends.
class FlightFault : public std::runtime_error {
public:
    explicit FlightFault(const std::string& message) : std::runtime_error(message) {}
};

} // namespace drelk
