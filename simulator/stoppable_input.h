// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <streambuf>

namespace drelk::sim {

// Reads a file descriptor for an istream, as a pipe or a terminal feeds it, and ends its
// input as soon as a stop signal comes, without waiting for the next line to arrive.
// A read error sets errno and ends the input too; the stream then reports it as bad.
class StoppableInput final : public std::streambuf {
public:
    explicit StoppableInput(int fd) : fd_(fd) {}

protected:
    int_type underflow() override;

private:
    int fd_;
    std::array<char, 65536> buffer_{};
};

} // namespace drelk::sim
