// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/rescatter.h"
#include "simulator/bad_input.h"
#include "simulator/sim_options.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using namespace drelk::sim;

namespace {

SimOptions Parse(std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> list(args);
    return ParseSimOptions(list);
}

std::string ErrorOf(std::initializer_list<std::string_view> args)
{
    try {
        Parse(args);
    } catch (const BadInput& error) {
        return error.what();
    }
    return "(accepted)";
}

} // namespace

TEST(SimOptions, DefaultsAreTheDesignedWindowAndAHundredTicks)
{
    const SimOptions options = Parse({});
    EXPECT_EQ(options.ticks, 100u);
    EXPECT_EQ(options.window.width, 9105);
    EXPECT_EQ(options.window.height, 6930);
    EXPECT_EQ(options.every, 1u);
    EXPECT_FALSE(options.seed);
    EXPECT_FALSE(options.draws_path);
    EXPECT_TRUE(options.resizes.empty());
    EXPECT_EQ(options.rescatter_seconds, 0u);
}

TEST(SimOptions, ReadsEveryOption)
{
    const SimOptions options = Parse({"--ticks", "250", "--window", "60000x45000", "--resize",
                                      "10:100x200", "--resize", "5:3000x4000", "--every", "7",
                                      "--seed", "18446744073709551615", "--rescatter=1000000000"});
    EXPECT_EQ(options.ticks, 250u);
    EXPECT_EQ(options.window.width, 60000);
    EXPECT_EQ(options.window.height, 45000);
    ASSERT_EQ(options.resizes.size(), 2u);
    EXPECT_EQ(options.resizes[0].tick, 10u);
    EXPECT_EQ(options.resizes[0].size.width, 100);
    EXPECT_EQ(options.resizes[1].size.height, 4000);
    EXPECT_EQ(options.every, 7u);
    EXPECT_EQ(*options.seed, 18446744073709551615u);
    EXPECT_EQ(options.rescatter_seconds, 1000000000u);
    EXPECT_EQ(Parse({"--rescatter", "auto"}).rescatter_seconds, drelk::kRescatterAuto);
    EXPECT_EQ(*Parse({"--draws", "-"}).draws_path, "-");
    EXPECT_EQ(Parse({"--help"}).action, SimAction::PrintHelp);
    EXPECT_EQ(Parse({"--version"}).action, SimAction::PrintVersion);
    EXPECT_EQ(Parse({"-v"}).action, SimAction::PrintVersion); // as drelk -v

    // GNU style: a value after '=' reads as the next argument does.
    const SimOptions joined = Parse(
        {"--ticks=250", "--window=60000x45000", "--resize=5:3x4", "--every=7", "--draws=a=b"});
    EXPECT_EQ(joined.ticks, 250u);
    EXPECT_EQ(joined.window.width, 60000);
    EXPECT_EQ(joined.resizes.at(0).size.height, 4);
    EXPECT_EQ(joined.every, 7u);
    EXPECT_EQ(*joined.draws_path, "a=b");
}

TEST(SimOptions, HelpAndVersionWinOverMistakes)
{
    EXPECT_EQ(Parse({"--help", "--ticks", "x"}).action, SimAction::PrintHelp);
    EXPECT_EQ(Parse({"--bogus", "stray", "-h", "--ticks"}).action, SimAction::PrintHelp);
    EXPECT_EQ(Parse({"--window", "0x0", "--version"}).action, SimAction::PrintVersion);
    // The help wins over the version, in either order, as with drelk.
    EXPECT_EQ(Parse({"--help", "--version"}).action, SimAction::PrintHelp);
    EXPECT_EQ(Parse({"-v", "-h"}).action, SimAction::PrintHelp);
    // A mistake kept while they win is not handed back as an option to run with.
    const SimOptions answered = Parse({"--version", "--every", "0", "--ticks", "7"});
    EXPECT_EQ(answered.every, 1u);
    EXPECT_EQ(answered.ticks, 100u);
    // The value of an option is not taken for --help.
    EXPECT_EQ(*Parse({"--draws", "--help"}).draws_path, "--help");
}

TEST(SimOptions, RejectsBadInputWithAMessageNamingTheOption)
{
    const auto expect_error = [](std::initializer_list<std::string_view> args,
                                 std::string_view needle) {
        const std::string message = ErrorOf(args);
        EXPECT_NE(message.find(needle), std::string::npos)
            << "message: " << message << " (expected it to mention " << needle << ")";
    };
    expect_error({"--tick", "5"}, "unknown option '--tick'");
    expect_error({"-x"}, "unknown option '-x' (see drelk-sim --help)");
    expect_error({"extra"}, "unexpected argument 'extra': drelk-sim takes only options (see");
    expect_error({"--ticks"}, "--ticks: a value is missing: --ticks N (see drelk-sim --help)");
    expect_error({"--resize"}, "--resize TICK:WIDTHxHEIGHT");
    expect_error({"--help=1"}, "--help: takes no value");
    expect_error({"--ticks", "-1"}, "--ticks: '-1' is not a whole number");
    expect_error({"--ticks", "12abc"}, "--ticks");
    expect_error({"--ticks", ""}, "--ticks");
    expect_error({"--ticks=18446744073709551616"}, "too large (at most 18446744073709551615)");
    expect_error({"--ticks", "1", "--ticks", "2"}, "more than once");
    expect_error({"--window", "100"}, "--window");
    expect_error({"--window", "0x100"}, "must be from 1");
    expect_error({"--window", "100x-5"}, "--window");
    expect_error({"--window", "100x16777217"}, "must be from 1 to 16777216");
    expect_error({"--window", "100x200x3"}, "--window");
    expect_error({"--window", "1.5x2"}, "--window");
    expect_error({"--resize", "100x200"}, "TICK:WIDTHxHEIGHT");
    expect_error({"--resize", "x:100x200"}, "--resize");
    expect_error({"--resize", "3:0x200"}, "--resize");
    expect_error({"--resize", "11:5x5", "--ticks", "10"},
                 "--resize: tick 11 comes after the last tick, 10 (see --ticks)");
    EXPECT_EQ(ErrorOf({"--resize", "10:5x5", "--ticks", "10"}), "(accepted)");
    expect_error({"--every", "0"}, "--every: '0' is too small (at least 1)");
    expect_error({"--seed", "1", "--draws", "f"}, "one of --seed and --draws");
    expect_error({"--draws", "f", "--seed", "1"}, "one of --seed and --draws");
    expect_error({"--seed", "abc"}, "--seed");
    expect_error({"--draws", ""}, "--draws");
    expect_error({"--rescatter", "1.5"}, "--rescatter: '1.5' is not a whole number of seconds");
    expect_error({"--rescatter", "Auto"}, "--rescatter: 'Auto' is not a whole number of seconds");
    expect_error({"--rescatter", "1000000001"}, "too large (at most 1000000000 seconds)");
    expect_error({"--rescatter=1", "--rescatter=2"}, "--rescatter: given more than once");
}
