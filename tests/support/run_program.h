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
// after the running test, since CTest runs tests side by side.
inline Outcome RunProgram(const std::string& command, const std::string& input = "")
{
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string base =
        testing::TempDir() + "drelk_" + test->test_suite_name() + "_" + test->name();
    std::ofstream(base + ".in") << input;
    const std::string line = command + " <" + base + ".in >" + base + ".out 2>" + base + ".err";
    const int raw = std::system(line.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(base + ".out"), ReadAll(base + ".err")};
}

} // namespace drelk::tests
