// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>
#include <string>

namespace drelk::sim {

// Input the simulator cannot use: a bad option, a bad draws file. The message is one
// line that names the option or the file and line.
class BadInput : public std::runtime_error {
public:
    explicit BadInput(const std::string& message) : std::runtime_error(message) {}
};

} // namespace drelk::sim
