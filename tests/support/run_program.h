// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

// Runs one of the project's programs as a user would, from a shell command line, and
// collects its exit status and what it wrote.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace drelk::tests {

struct Outcome {
    int status = -1; // the exit status, or -1 if the program did not exit normally
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `command` (already shell-quoted) with `input` on standard input. Its files are named
// after the running test, since CTest runs tests side by side. The program speaks English,
// whatever the locale of the test run, unless `command` sets LANG or LANGUAGE itself.
inline Outcome RunProgram(const std::string& command, const std::string& input = "")
{
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string base =
        testing::TempDir() + "drelk_" + test->test_suite_name() + "_" + test->name();
    std::ofstream(base + ".in") << input;
    const std::string line = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 " + command +
                             " <" + base + ".in >" + base + ".out 2>" + base + ".err";
    const int raw = std::system(line.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(base + ".out"), ReadAll(base + ".err")};
}

// The columns that a line of UTF-8 text takes in a terminal: one for each character.
inline std::size_t Columns(const std::string& line)
{
    std::size_t columns = 0;
    for (const char byte : line) {
        columns += (static_cast<unsigned char>(byte) & 0xc0) != 0x80;
    }
    return columns;
}

} // namespace drelk::tests
