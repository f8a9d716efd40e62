// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The drelk program's command line, as a user meets it on a machine with no display.

#include "tests/support/run_program.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>

namespace {

using drelk::tests::Outcome;

// Runs drelk with `args` and no display of any kind but what `setting` gives, e.g.
// "DISPLAY=:1 " or "timeout 3 ".
Outcome RunDrelk(const std::string& args, const std::string& setting = "")
{
    return drelk::tests::RunProgram("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                    setting + std::string(DRELK_PATH) + " " + args);
}

// A runtime folder of the test's own: a Wayland socket named in it is nobody's.
struct PrivateRuntime {
    PrivateRuntime() { EXPECT_NE(mkdtemp(path.data()), nullptr); }
    ~PrivateRuntime() { rmdir(path.c_str()); }
    std::string path = testing::TempDir() + "drelk_runtime_XXXXXX";
};

// An X display that no server holds now, neither its socket nor its lock, numbered above
// `after`, which it becomes: a fixed one may be another program's, and drelk would run on it.
std::string FreeDisplay(int& after)
{
    for (;;) {
        const std::string number = std::to_string(++after);
        if (access(("/tmp/.X11-unix/X" + number).c_str(), F_OK) != 0 &&
            access(("/tmp/.X" + number + "-lock").c_str(), F_OK) != 0) {
            return std::string(":").append(number);
        }
    }
}

} // namespace

TEST(DrelkCommandLine, VersionAndHelpNeedNoDisplayAndWin)
{
    const Outcome version = RunDrelk("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Drelk 1.0.0\n");

    const Outcome help = RunDrelk("--bogus --help stray");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: drelk [options]\n", 0), 0u) << help.out; // not its path
    EXPECT_NE(help.out.find("\"The Drelk\""), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    EXPECT_EQ(help.out.find("--platform"), std::string::npos)
        << "Qt's options belong to --help-all";
    for (const std::string language : {"", "LANG=de_DE.UTF-8 ", "LANG=fr_FR.UTF-8 "}) {
        std::istringstream lines(RunDrelk("--help", language).out +
                                 RunDrelk("--help-all", language).out);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(drelk::tests::Columns(line), 80u) << language << line;
        }
    }
    // Into a full or a closed standard output they fail, as drelk-sim's do.
    for (const auto& [answer, why] : {std::pair{"--help >/dev/full", "No space left on device"},
                                      {"--help-all >&-", "Bad file descriptor"},
                                      {"--version >&-", "Bad file descriptor"}}) {
        const Outcome failed =
            drelk::tests::RunProgram("sh -c '" + std::string(DRELK_PATH) + " " + answer + "'");
        EXPECT_EQ(failed.status, 1) << answer;
        EXPECT_EQ(failed.err, std::string("drelk: cannot write to standard output: ") + why + "\n");
    }
}

// In the language the locale names: LANG alone will do (scripts/install-deps generates the
// locale, as a German user's system has it). drelk's own words, Qt's (from Qt's catalogue),
// and those for a display that Qt could not open, told while Qt was still starting.
TEST(DrelkCommandLine, SpeaksGermanWhereTheLocaleSaysSo)
{
    const std::string german = "LANG=de_DE.UTF-8 ";
    EXPECT_EQ(RunDrelk("--seed %2", german).err,
              "drelk: --seed '%2' ist keine ganze Zahl von 0 bis 18446744073709551615\n");
    EXPECT_EQ(
        RunDrelk("--output x", german).err,
        "drelk: --output nennt einen Ausgang und geht nur zusammen mit --root oder --saver\n");
    EXPECT_NE(RunDrelk("--help", german).out.find("Zeigt Hilfe zu den Kommandozeilenoptionen"),
              std::string::npos);
    EXPECT_EQ(RunDrelk("", german).err,
              "drelk: kein Display lässt sich öffnen: xcb: kein X-Display (DISPLAY ist nicht "
              "gesetzt)\n");
    // The hive for a Wayland desktop's layers, on its own way through the program.
    const PrivateRuntime runtime;
    EXPECT_EQ(RunDrelk("--saver",
                       german + "XDG_RUNTIME_DIR=" + runtime.path + " WAYLAND_DISPLAY=nowhere ")
                  .err.rfind("drelk: das Wayland-Display 'nowhere' ist nicht erreichbar (", 0),
              0u);
}

// --help-all lists exactly what the program takes: each option it lists is accepted (with
// its value, if it has one), and Qt's QML debugger option, which it does not take, is absent.
TEST(DrelkCommandLine, HelpAllListsTheQtOptionsItTakes)
{
    const Outcome all = RunDrelk("--help-all");
    ASSERT_EQ(all.status, 0);
    const std::regex entry(R"(\n  (?:-\w, )?(--[\w-]+)( <[^>]+>)?)");
    int count = 0;
    for (std::sregex_iterator it(all.out.begin(), all.out.end(), entry), end; it != end; ++it) {
        const std::string option = (*it)[1];
        if (option.starts_with("--help") || option == "--version") {
            continue;
        }
        ++count;
        const Outcome taken = RunDrelk(option + ((*it)[2].matched ? " value" : "") + " stray");
        EXPECT_EQ(taken.err, "drelk: unexpected argument 'stray': the program takes no arguments "
                             "(see drelk --help)\n")
            << option;
    }
    EXPECT_GE(count, 15) << all.out;
    for (const char* option : {"-platform", "-display", "-style", "-reverse", "-geometry"}) {
        EXPECT_NE(all.out.find(std::string("-") + option), std::string::npos) << option;
    }
    EXPECT_EQ(all.out.find("qmljsdebugger"), std::string::npos);
    EXPECT_EQ(RunDrelk("-qmljsdebugger port:1").err,
              "drelk: unknown option '-qmljsdebugger' (see drelk --help)\n");
}

// Qt's options in either form reach QApplication, and a seed (any digits) is taken: the
// program runs until it is stopped.
TEST(DrelkCommandLine, RunsWithQtOptions)
{
    const Outcome run = RunDrelk("--platform=offscreen -style fusion -reverse -qwindowgeometry "
                                 "300x200+5+5 -geometry 300x200 -display :5 -name bee --seed 19",
                                 "timeout -s TERM 3 ");
    EXPECT_EQ(run.status, 124) << run.err; // still flying when timeout ended it
    EXPECT_EQ(run.err.find("drelk:"), std::string::npos) << run.err;
}

// Qt 6.4 used to abort with a core dump and advise reinstalling the program.
TEST(DrelkCommandLine, ADisplayThatCannotBeOpenedIsOneLine)
{
    int number = 99;
    const std::string one = FreeDisplay(number);
    const std::string another = FreeDisplay(number);
    const PrivateRuntime runtime;
    for (const auto& [setting, args, named] :
         {std::tuple{"DISPLAY=" + one + " ", std::string(),
                     "xcb: cannot open the X display '" + one + "'"},
          {"DISPLAY=" + one + " ", "-display " + another,
           "xcb: cannot open the X display '" + another + "'"},
          {"", "", "xcb: no X display (DISPLAY is not set)"},
          {"XDG_RUNTIME_DIR=" + runtime.path + " WAYLAND_DISPLAY=nowhere ", "",
           "wayland: cannot reach the Wayland display 'nowhere'"},
          {"QT_QPA_PLATFORM=offscreen ", "-platform nosuch",
           "nosuch: no such platform plugin (there are: "}}) {
        const Outcome run = RunDrelk(args, setting);
        EXPECT_EQ(run.status, 1) << setting;
        EXPECT_EQ(run.err.rfind(std::string("drelk: cannot open a display: ") + named, 0), 0u)
            << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(DrelkCommandLine, RejectsWhatItDoesNotTakeWithOneLine)
{
    // Each points to the help that lists the option: Qt's are in --help-all alone.
    for (const auto& [args, word, help] : {std::tuple{"--speed=3", "speed", "--help)"},
                                           {"hive.txt", "hive.", "--help)"},
                                           {"-platform", "platform", "--help-all)"},
                                           {"--root --seed", "seed", "--help)"}}) {
        SCOPED_TRACE(args);
        const Outcome outcome = RunDrelk(args);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_NE(outcome.err.find(word), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.rfind("drelk: ", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find(std::string(" (see drelk ") + help), std::string::npos)
            << outcome.err;
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
    const PrivateRuntime runtime;
    const std::string offscreen = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "
                                  "XDG_RUNTIME_DIR=" +
                                  runtime.path + " ";
    for (const Case& c : std::initializer_list<Case>{
             {no_display + drelk + " --window-id hive", 1, "'hive' is not an X window id"},
             {no_display + drelk + " --window-id -5", 1, "'-5' is not"},
             {no_display + drelk + " --window-id 0x100000000", 1, "'0x100000000' is not"},
             // Sixteen digits at most, leading zeros or not (the last line takes sixteen).
             {no_display + drelk + " --window-id 0x00000000000000001", 1, "'0x00000000000000001'"},
             {no_display + drelk + " --window-id \"$(printf '1\\nb')\"", 1, "'1\\x0ab' is not"},
             {no_display + "XSCREENSAVER_WINDOW=0xzz " + drelk + " --root", 1,
              "XSCREENSAVER_WINDOW is '0xzz'"},
             {no_display + drelk + " --root --fullscreen", 1, "--fullscreen cannot be used"},
             {no_display + drelk + " --seed -1", 1, "--seed '-1' is not a whole number"},
             {no_display + drelk + " --rescatter 1e3", 1,
              "--rescatter '1e3' is not a whole number of seconds from 0 to 1000000000"},
             {no_display + drelk + " --rescatter autox", 1,
              "--rescatter 'autox' is not a whole number of seconds"},
             {no_display + drelk + " --rescatter 1000000001", 1, "--rescatter '1000000001' is not"},
             {no_display + drelk + " --seed 1 --seed=2", 1, "--seed is given more than once"},
             // The window given wins over --root, whatever XSCREENSAVER_WINDOW says.
             {no_display + "XSCREENSAVER_WINDOW=0xzz " + drelk + " --root --window-id 0x", 1,
              "--window-id '0x' is not"},
             {offscreen + drelk + " --root", 2,
              "--root needs an X11 display or a Wayland desktop, and this one is offscreen"},
             {offscreen + drelk + " --saver", 2, "--saver needs an X11 display or a Wayland"},
             // A Wayland display left over in an X11 session: the line says how to reach X.
             {"env -u QT_QPA_PLATFORM DISPLAY=:99 WAYLAND_DISPLAY=nowhere XDG_RUNTIME_DIR=" +
                  runtime.path + " " + drelk + " --saver",
              1,
              "'nowhere' (No such file or directory); for the X display ':99', add -platform xcb"},
             {offscreen + drelk + " --window-id 0x0000000002a00007", 2, "--window-id needs an X11"},
         }) {
        SCOPED_TRACE(c.command);
        const Outcome outcome = drelk::tests::RunProgram(c.command);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_EQ(outcome.err.rfind("drelk: ", 0), 0u) << outcome.err;
        EXPECT_NE(outcome.err.find(c.says), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }
}
