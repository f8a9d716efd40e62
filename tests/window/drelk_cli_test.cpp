// The drelk program's command line, as a user meets it on a machine with no display.

#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
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

TEST(DrelkCommandLine, ScreensaverPlacesRefuseBadIdsAndDisplaysOtherThanX11InOneLine)
{
    struct Case {
        std::string command;
        int status;
        std::string says;
    };
    const std::string drelk = std::string(DRELK_PATH);
    const std::string no_display = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    // Qt's offscreen display stands for any display that is not X11 (Wayland among them); it
    // wants a runtime folder of the user's own, as a desktop session gives.
    std::string runtime = testing::TempDir() + "drelk_runtime_XXXXXX";
    ASSERT_NE(mkdtemp(runtime.data()), nullptr);
    const std::string offscreen = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "
                                  "XDG_RUNTIME_DIR=" +
                                  runtime + " ";
    for (const Case& c : std::initializer_list<Case>{
             {no_display + drelk + " --window-id hive", 1, "'hive' is not an X window id"},
             {no_display + drelk + " --window-id -5", 1, "'-5' is not"},
             {no_display + drelk + " --window-id 0x100000000", 1, "'0x100000000' is not"},
             {no_display + "XSCREENSAVER_WINDOW=0xzz " + drelk + " --root", 1,
              "XSCREENSAVER_WINDOW is '0xzz'"},
             {no_display + drelk + " --root --fullscreen", 1, "--fullscreen cannot be used"},
             // The window given wins over --root, whatever XSCREENSAVER_WINDOW says.
             {no_display + "XSCREENSAVER_WINDOW=0xzz " + drelk + " --root --window-id 0x", 1,
              "--window-id '0x' is not"},
             {offscreen + drelk + " --root", 2, "--root needs an X11 display"},
             {offscreen + drelk + " --window-id 0x2a00007", 2, "--window-id needs an X11"},
         }) {
        SCOPED_TRACE(c.command);
        const Outcome outcome = drelk::tests::RunProgram(c.command);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_EQ(outcome.err.rfind("drelk: ", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find(c.says), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }
    rmdir(runtime.c_str());
}
