// The drelk program's command line, as a user meets it on a machine with no display.

#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using drelk::tests::Outcome;

// Runs drelk with `args` and no display of any kind.
Outcome RunDrelk(const std::string& args)
{
    return drelk::tests::RunProgram("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                    std::string(DRELK_PATH) + " " + args);
}

} // namespace

TEST(DrelkCommandLine, VersionAndHelpNeedNoDisplay)
{
    const Outcome version = RunDrelk("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Drelk 1.00\n");

    const Outcome help = RunDrelk("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\"The Drelk\""), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos);
}

TEST(DrelkCommandLine, RejectsWhatItDoesNotTakeWithOneLine)
{
    for (const std::string args : {"--speed=3", "hive.txt"}) {
        SCOPED_TRACE(args);
        const Outcome outcome = RunDrelk(args);
        EXPECT_NE(outcome.status, 0);
        EXPECT_TRUE(outcome.out.empty());
        const std::string word = args.substr(args.find_first_not_of('-'), 5);
        EXPECT_NE(outcome.err.find(word), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }
}
