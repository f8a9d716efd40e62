// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Whatever text the user gives, a bad-input message stays one readable line: control
// characters in arguments, file names or draws lines are shown escaped.

#include "simulator/bad_input.h"
#include "simulator/draw_file.h"
#include "simulator/printable_text.h"
#include "simulator/sim_options.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace drelk::sim;

namespace {

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const BadInput& error) {
        return error.what();
    }
    return "(accepted)";
}

bool IsOneLine(const std::string& message)
{
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            return false;
        }
    }
    return true;
}

void ExpectOneLineShowing(const std::string& message, const std::string& shown)
{
    EXPECT_TRUE(IsOneLine(message)) << Printable(message);
    EXPECT_NE(message.find(shown), std::string::npos) << message;
}

std::string OptionsError(std::vector<std::string_view> args)
{
    return MessageOf([&] { ParseSimOptions(args); });
}

} // namespace

TEST(Printable, EscapesControlCharactersAndKeepsTheRest)
{
    EXPECT_EQ(Printable("plain 0.5 x:1x2 \xc3\xa9"), "plain 0.5 x:1x2 \xc3\xa9");
    EXPECT_EQ(Printable("a\nb\rc\td"), "a\\nb\\rc\\td");
    EXPECT_EQ(Printable(std::string("\x1b[31m\x7f\x00!", 8)), "\\x1b[31m\\x7f\\x00!");
    EXPECT_EQ(Quoted("x\ny"), "'x\\ny'");
    EXPECT_EQ(Quoted(""), "''");
}

// Found by the input fuzzer: a newline in an argument or a backspace in a draws line went
// into the message as it was, breaking it over lines or garbling the terminal.
TEST(BadInputMessages, StayOneLineWhateverTheInput)
{
    ExpectOneLineShowing(OptionsError({"--ti\ncks", "5"}), "unknown option '--ti\\ncks'");
    ExpectOneLineShowing(OptionsError({"--ticks", "\x1b[2J"}), "'\\x1b[2J'");
    ExpectOneLineShowing(OptionsError({"--window", "10\r\nx5"}), "'10\\r\\nx5'");
    ExpectOneLineShowing(OptionsError({"--resize", "3\n"}), "'3\\n'");
    ExpectOneLineShowing(OptionsError({"--resize", "\t:1x1"}), "'\\t'");

    ExpectOneLineShowing(MessageOf([] { ParseDraw("0.75\b1e-45", "draws", 54); }),
                         "draws:54: '0.75\\x081e-45' is not a decimal number");
    ExpectOneLineShowing(MessageOf([] { ParseDraw("\x7f", "draws", 1); }), "'\\x7f'");

    std::istringstream empty;
    DrawFileRandom draws(empty, "odd\nname", 0);
    ExpectOneLineShowing(MessageOf([&] { draws.NextRandom(); }), "odd\\nname:1: the draws ran out");
}

// A 5 MB junk line in a draws file used to be echoed whole to the terminal.
TEST(BadInputMessages, CutLongValuesAndAgreeInNumber)
{
    const std::string junk = "0.5" + std::string(5'000'000, 'x');
    EXPECT_EQ(MessageOf([&] { ParseDraw(junk, "draws", 9); }),
              "draws:9: '" + junk.substr(0, kMostQuotedBytes) +
                  "...' (5000003 bytes) is not a decimal number");
    // Not cut inside a UTF-8 character: the two-byte e-acute straddling the limit goes whole.
    const std::string accents = std::string(kMostQuotedBytes - 1, 'a') + "\xc3\xa9tail";
    EXPECT_EQ(Quoted(accents), "'" + accents.substr(0, kMostQuotedBytes - 1) + "...' (65 bytes)");

    std::istringstream one("0.5\n");
    DrawFileRandom draws(one, "d", 0);
    draws.NextRandom();
    EXPECT_EQ(MessageOf([&] { draws.NextRandom(); }),
              "d:2: the draws ran out after 1 value; the flight takes 41 (41 for the scatter, "
              "then one a tick)");
}
