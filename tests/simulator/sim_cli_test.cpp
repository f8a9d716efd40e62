// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The drelk-sim program as a user runs it: exit statuses, messages and output.

#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using drelk::tests::Outcome;

// Runs drelk-sim with `args` (already shell-quoted) and `input` on standard input.
Outcome RunSim(const std::string& args, const std::string& input = "")
{
    return drelk::tests::RunProgram(std::string(DRELK_SIM_PATH) + " " + args, input);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(field);
    }
    return fields;
}

std::string Repeat(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line + "\n";
    }
    return text;
}

} // namespace

TEST(SimCli, PrintsHeaderScatterAndEveryKthTick)
{
    const Outcome run = RunSim("--ticks 10 --every 3 --seed 5");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u); // header, ticks 0, 3, 6, 9, and the last, 10
    const auto header = Fields(lines[0]);
    ASSERT_EQ(header.size(), 4u + 10u * 8u);
    EXPECT_EQ(header[0], "tick");
    EXPECT_EQ(header[3], "queen_top");
    EXPECT_EQ(header[4], "d1_heading");
    EXPECT_EQ(header[11], "d1_y2");
    EXPECT_EQ(header[83], "d10_y2");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto row = Fields(lines[i]);
        ASSERT_EQ(row.size(), header.size());
        EXPECT_EQ(row[0], std::to_string(i == 5 ? 10 : 3 * (i - 1)));
        // A drone's head is its line's first end: dN_x, dN_y against dN_x1, dN_y1.
        for (std::size_t d = 4; d < row.size(); d += 8) {
            EXPECT_EQ(row[d + 1], row[d + 4]) << header[d + 1];
            EXPECT_EQ(row[d + 2], row[d + 5]) << header[d + 2];
        }
    }
    // A fixed seed repeats the run; another seed gives another.
    EXPECT_EQ(RunSim("--ticks 10 --every 3 --seed 5").out, run.out);
    EXPECT_NE(RunSim("--ticks 10 --every 3 --seed 6").out, run.out);
}

TEST(SimCli, AllZeroDrawsGiveTheKnownScatter)
{
    const Outcome run = RunSim("--ticks 0 --draws -", Repeat("0", 41));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto row = Fields(Lines(run.out).at(1));
    EXPECT_EQ(row[0], "0");
    EXPECT_EQ(row[1], "0");    // queen heading
    EXPECT_EQ(row[2], "3960"); // queen left
    EXPECT_EQ(row[3], "3000");
    // Drone 1: heading 0, head (0, 0), length 100, line up from (0, 0) to (3.2e-13, -100).
    EXPECT_EQ(row[4], "0");
    EXPECT_EQ(row[7], "100");
    EXPECT_EQ(row[8], "0");
    EXPECT_NEAR(std::stod(row[10]), 3.2e-13, 1e-14);
    EXPECT_EQ(row[11], "-100");
}

// In a large window reals once switched to exponent form ("1e+05" beside "100000"), which
// `sort -n` misreads; tiny ones, like the all-zero scatter's 3.2e-13, did too.
TEST(SimCli, RealsArePlainDecimalsThatReadBackAsTheSameFloats)
{
    const Outcome large = RunSim("--ticks 30 --window 16777216x16777216 --seed 11");
    const Outcome tiny = RunSim("--ticks 0 --draws -", Repeat("0", 41));
    ASSERT_EQ(large.status, 0) << large.err;
    ASSERT_EQ(tiny.status, 0) << tiny.err;
    EXPECT_EQ(large.out.find_first_of("eE", large.out.find('\n')), std::string::npos);
    EXPECT_EQ(tiny.out.find_first_of("eE", tiny.out.find('\n')), std::string::npos);
    for (const auto& line : {Lines(large.out).back(), Lines(tiny.out).back()}) {
        const auto row = Fields(line);
        for (std::size_t i = 2; i < row.size(); ++i) {
            const float value = std::stof(row[i]);
            char again[32];
            std::snprintf(again, sizeof again, "%.9g", static_cast<double>(value));
            EXPECT_EQ(std::stof(again), value) << row[i];
        }
    }
}

namespace {

// How a run ended that was sent a signal half a second in.
struct Stopped {
    int wait_status = 0;
    bool ended_at_once = false; // within two seconds of the signal
    Outcome outcome;
};

// Starts drelk-sim with `args`, its output going into a pipe that nobody reads until the
// signal has been sent (so that a long run soon waits in a write) and its input a pipe that
// nobody writes to (so that a run on "--draws -" waits for its first draw).
Stopped StopRun(int signal, const std::vector<const char*>& args)
{
    Stopped stopped;
    int out[2], in[2];
    if (pipe(out) != 0 || pipe(in) != 0) {
        ADD_FAILURE() << "no pipe";
        return stopped;
    }
    const std::string err_path = testing::TempDir() + "drelk_sim_stopped.err";
    std::vector<char*> argv{const_cast<char*>(DRELK_SIM_PATH)};
    for (const char* arg : args) {
        argv.push_back(const_cast<char*>(arg));
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(in[0], STDIN_FILENO);
        for (const int end : {out[0], out[1], in[0], in[1]}) {
            close(end);
        }
        if (!std::freopen(err_path.c_str(), "w", stderr)) {
            _exit(126);
        }
        execv(DRELK_SIM_PATH, argv.data());
        _exit(127);
    }
    close(out[1]);
    close(in[0]);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(child, signal);
    const auto drain = [&] {
        char buffer[65536];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
            stopped.outcome.out.append(buffer, static_cast<std::size_t>(n));
        }
    };
    fcntl(out[0], F_SETFL, O_NONBLOCK);
    for (int waited = 0; waited < 200 && !stopped.ended_at_once; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        drain();
        stopped.ended_at_once = waitpid(child, &stopped.wait_status, WNOHANG) == child;
    }
    close(in[1]); // a run still waiting for draws now sees their end
    fcntl(out[0], F_SETFL, 0);
    drain();
    close(out[0]);
    if (!stopped.ended_at_once) {
        waitpid(child, &stopped.wait_status, 0);
    }
    stopped.outcome.err = drelk::tests::ReadAll(err_path);
    return stopped;
}

} // namespace

// Each of the three signals stops a run with every row it printed whole, then the program
// dies of it; before, rows were cut mid-line or, with a wide --every, all lost. A signal
// that comes while the output is stalled waits for the write to finish; one that comes
// while the run waits for draws stops it at once.
TEST(SimCli, StopSignalsLeaveWholeRowsAndKillTheProgram)
{
    const std::vector<const char*> long_run{"--seed", "5", "--ticks", "100000000"};
    for (const auto& [signal, args] :
         {std::pair{SIGINT, long_run},
          {SIGTERM, {"--seed", "5", "--ticks", "100000000", "--every", "1000000"}},
          {SIGHUP, long_run},
          {SIGINT, {"--draws", "-"}}}) {
        SCOPED_TRACE(signal);
        const Stopped run = StopRun(signal, args);
        EXPECT_TRUE(run.ended_at_once);
        // Dead of the signal, as a shell expects; a status of 128 + N would tell a shell
        // that the program handled it, and a loop around it would go on.
        EXPECT_TRUE(WIFSIGNALED(run.wait_status) && WTERMSIG(run.wait_status) == signal)
            << run.wait_status << run.outcome.err;
        EXPECT_EQ(run.outcome.err, "");
        const auto lines = Lines(run.outcome.out);
        ASSERT_GE(lines.size(), 1u); // at least the header
        EXPECT_EQ(run.outcome.out.back(), '\n');
        for (const auto& line : lines) {
            ASSERT_EQ(Fields(line).size(), 84u) << line;
        }
    }
}

TEST(SimCli, AClockSeededRunToldItsSeedRepeats)
{
    const Outcome run = RunSim("--ticks 20");
    ASSERT_EQ(run.status, 0);
    const std::string prefix = "drelk-sim: seeded from the clock; --seed ";
    ASSERT_EQ(run.err.rfind(prefix, 0), 0u) << run.err;
    const std::string seed =
        run.err.substr(prefix.size(), run.err.find(' ', prefix.size()) - prefix.size());
    const Outcome again = RunSim("--ticks 20 --seed " + seed);
    EXPECT_EQ(again.out, run.out);
    EXPECT_EQ(again.err, "");
}

TEST(SimCli, ResizesApplyFromTheirTick)
{
    const std::string draws = Repeat("0.3", 41 + 20);
    const Outcome plain = RunSim("--ticks 20 --window 60000x45000 --draws -", draws);
    const Outcome resized_at_start = RunSim("--ticks 20 --resize 0:60000x45000 --draws -", draws);
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(resized_at_start.out, plain.out);
    // Given in either order, resizes apply from the earliest: the same as starting at the
    // first size.
    const Outcome started =
        RunSim("--ticks 20 --window 60000x45000 --resize 8:1000x1000 --draws -", draws);
    for (const char* order : {"--resize 0:60000x45000 --resize 8:1000x1000",
                              "--resize 8:1000x1000 --resize 0:60000x45000"}) {
        EXPECT_EQ(RunSim(std::string("--ticks 20 ") + order + " --draws -", draws).out, started.out)
            << order;
    }

    // A tiny window from tick 8 on reverses the queen at every tick from then.
    const Outcome late = RunSim("--ticks 20 --resize 8:1000x1000 --draws -", draws);
    const Outcome never = RunSim("--ticks 20 --draws -", draws);
    ASSERT_EQ(late.status, 0) << late.err;
    const auto late_lines = Lines(late.out), never_lines = Lines(never.out);
    for (std::size_t i = 0; i <= 8; ++i) { // header and ticks 0..7
        EXPECT_EQ(late_lines[i], never_lines[i]) << "row " << i;
    }
    EXPECT_NE(late_lines[9], never_lines[9]);
}

// Tick 10 x SECONDS is not a movement tick but the flight begun again from the draws that
// follow: the queen back at her start and the 41 draws of a scatter, without a new seed.
TEST(SimCli, RescatterBeginsTheFlightAgainInPlaceOfEveryTenthTickPerSecond)
{
    const std::string draws = Repeat("0.25", 41 + 9) + Repeat("0.75", 41);
    const Outcome again = RunSim("--ticks 10 --rescatter 1 --draws -", draws);
    const Outcome fresh = RunSim("--ticks 0 --draws -", Repeat("0.75", 41));
    ASSERT_EQ(again.status, 0) << again.err;
    const auto rows = Lines(again.out);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[11], "10" + Lines(fresh.out)[1].substr(1));
    EXPECT_EQ(RunSim("--ticks 9 --rescatter 1 --draws -", draws).out,
              RunSim("--ticks 9 --draws -", draws).out);
    EXPECT_EQ(RunSim("--ticks 50 --rescatter 0 --draws -", Repeat("0.25", 91)).out,
              RunSim("--ticks 50 --draws -", Repeat("0.25", 91)).out);
    // Seeded, the flight begun again is a new one, not the first over again.
    const auto seeded = Lines(RunSim("--ticks 10 --rescatter 1 --seed 5").out);
    EXPECT_NE(seeded[11].substr(2), seeded[1].substr(1));
}

TEST(SimCli, DrawsRunningOutKeepTheRowsAlreadyPrinted)
{
    const Outcome run = RunSim("--ticks 5 --draws -", Repeat("0.5", 43));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "drelk-sim: standard input:44: the draws ran out after 43 values; the "
                       "flight takes 46 (41 for the scatter, then one a tick)\n");
    // With auto, how many scatters the flight has depends on the draws themselves.
    EXPECT_EQ(RunSim("--ticks 5 --rescatter auto --draws -", Repeat("0.5", 43)).err,
              "drelk-sim: standard input:44: the draws ran out after 43 values; the flight "
              "takes 41 for each scatter, then one a tick\n");
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u); // header, scatter, ticks 1 and 2
    EXPECT_EQ(Fields(lines[3]).size(), 84u);
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(SimCli, BadInputExitsTwoWithOneLine)
{
    const auto expect_bad = [](const std::string& args, const std::string& needle,
                               const std::string& input = "") {
        const Outcome run = RunSim(args, input);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find(needle), std::string::npos) << args << ": " << run.err;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    };
    expect_bad("--frobnicate", "unknown option '--frobnicate' (see drelk-sim --help)");
    // In the language the locale names; LANG alone will do.
    const std::string german = "LANG=de_DE.UTF-8 " DRELK_SIM_PATH;
    EXPECT_EQ(drelk::tests::RunProgram(german + " --frobnicate").err,
              "drelk-sim: unbekannte Option '--frobnicate' (siehe drelk-sim --help)\n");
    EXPECT_EQ(drelk::tests::RunProgram(german + " --ticks 5 --resize 9:100x100").err,
              "drelk-sim: --resize: Takt 9 kommt nach dem letzten Takt, 5 (siehe --ticks)\n");
    // A count in the language's own plural: French says 0 in the singular.
    EXPECT_EQ(drelk::tests::RunProgram("LANG=fr_FR.UTF-8 " DRELK_SIM_PATH " --draws /dev/null").err,
              "drelk-sim: /dev/null:1: les tirages se sont épuisés après 0 valeur ; le vol en "
              "demande 141 (41 pour la répartition de départ, puis un par pas)\n");
    expect_bad("--window 0x10", "--window");
    expect_bad("--rescatter -1", "--rescatter: '-1' is not a whole number of seconds");
    expect_bad("--rescatter=auto1", "--rescatter: 'auto1' is not a whole number of seconds");
    expect_bad("--draws /nonexistent/%2.txt",
               "cannot read '/nonexistent/%2.txt': No such file or directory");
    expect_bad("--draws=/", "--draws: cannot read '/': Is a directory");
    expect_bad("--draws -", "standard input:3: draw '1' is not", "0.1\n0.2\n1\n");
    expect_bad("--draws -", "standard input:1: 'zero' is not a decimal number", "zero\n");
}

TEST(SimCli, HelpAndVersionAnswerWithinEightyColumns)
{
    const Outcome run = RunSim("--help --ticks x");
    EXPECT_EQ(run.status, 0);
    for (const char* word :
         {"--ticks", "--window", "--resize", "--every", "--rescatter", "--seed", "--draws",
          "--version", "1 the output", "2 bad input", "3 a fault", "128+S"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
    for (const std::string language : {"", "LANG=de_DE.UTF-8 ", "LANG=fr_FR.UTF-8 "}) {
        const std::string help = language + DRELK_SIM_PATH + " --help";
        for (const auto& line : Lines(drelk::tests::RunProgram(help).out)) {
            EXPECT_LE(drelk::tests::Columns(line), 80u) << language << line;
        }
    }
    const Outcome version = RunSim("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "drelk-sim (Drelk) 1.0.0\n");
}

TEST(SimCli, AFailedWriteSaysWhyAndExitsOne)
{
    const Outcome run =
        drelk::tests::RunProgram("sh -c '" + std::string(DRELK_SIM_PATH) + " --seed 1 >/dev/full'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "drelk-sim: cannot write the output: No space left on device\n");
    // The help and the version too, into a full or a closed standard output.
    for (const char* answer : {"--help >/dev/full", "--version >&-"}) {
        const Outcome failed =
            drelk::tests::RunProgram("sh -c '" + std::string(DRELK_SIM_PATH) + " " + answer + "'");
        EXPECT_EQ(failed.status, 1) << answer;
        EXPECT_EQ(failed.err.rfind("drelk-sim: cannot write the output: ", 0), 0u) << failed.err;
    }
}
