// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/sim_options.h"

#include "flight/rescatter.h"
#include "simulator/bad_input.h"
#include "simulator/printable_text.h"
#include "simulator/user_text.h"

#include <charconv>
#include <limits>
#include <optional>

namespace drelk::sim {
namespace {

// What a whole number counts, for the message when it is none.
enum class Counted { Ticks, Seconds, Nothing };

std::uint64_t ParseCount(std::string_view text, std::string_view option, Counted counted)
{
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error == std::errc::invalid_argument || stop != end) {
        throw BadInput(
            Filled(counted == Counted::Ticks
                       ? Translated("SimOptions", "%1: %2 is not a whole number of ticks")
                   : counted == Counted::Seconds
                       ? Translated("SimOptions", "%1: %2 is not a whole number of seconds")
                       : Translated("SimOptions", "%1: %2 is not a whole number"),
                   {option, Quoted(text)}));
    }
    if (error == std::errc::result_out_of_range) {
        throw BadInput(Filled(
            Translated("SimOptions", "%1: %2 is too large (at most %3)"),
            {option, Quoted(text), std::to_string(std::numeric_limits<std::uint64_t>::max())}));
    }
    return value;
}

// "WxH" in whole twips, each side 1..kMaxWindowSide.
WindowSize ParseSize(std::string_view text, std::string_view option)
{
    const auto cross = text.find('x');
    if (cross == std::string_view::npos) {
        throw BadInput(
            Filled(Translated("SimOptions", "%1: %2 is not a size of the form WIDTHxHEIGHT"),
                   {option, Quoted(text)}));
    }
    WindowSize size;
    const std::string_view sides[] = {text.substr(0, cross), text.substr(cross + 1)};
    std::int64_t* fields[] = {&size.width, &size.height};
    for (int i = 0; i < 2; ++i) {
        const std::string_view side = sides[i];
        std::int64_t value = 0;
        const char* end = side.data() + side.size();
        const auto [stop, error] = std::from_chars(side.data(), end, value);
        if (side.empty() || stop != end || error == std::errc::invalid_argument) {
            throw BadInput(Filled(Translated("SimOptions", "%1: %2 is not a size of the form "
                                                           "WIDTHxHEIGHT in whole twips"),
                                  {option, Quoted(text)}));
        }
        if (error == std::errc::result_out_of_range || value <= 0 || value > kMaxWindowSide) {
            throw BadInput(
                Filled(Translated("SimOptions", "%1: window side %2 must be from 1 to %3 twips"),
                       {option, Quoted(side), std::to_string(kMaxWindowSide)}));
        }
        *fields[i] = value;
    }
    return size;
}

Resize ParseResize(std::string_view text, std::string_view option)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        throw BadInput(
            Filled(Translated("SimOptions", "%1: %2 is not of the form TICK:WIDTHxHEIGHT"),
                   {option, Quoted(text)}));
    }
    return Resize{ParseCount(text.substr(0, colon), option, Counted::Ticks),
                  ParseSize(text.substr(colon + 1), option)};
}

} // namespace

std::string SimUsage()
{
    return Translated(
        "SimOptions",
        "Usage: drelk-sim [--ticks N] [--window WxH] [--resize T:WxH]... [--every K]\n"
        "                 [--rescatter SECONDS|auto] [--seed S | --draws FILE]\n"
        "Runs the Drelk flight without a window and prints its state as CSV: the scatter\n"
        "(tick 0), then every K-th of N movement ticks, and the last tick always.\n"
        "  --ticks N         movement ticks after the scatter (default 100)\n"
        "  --window WxH      the window's outer size in twips (default 9105x6930)\n"
        "  --resize T:WxH    from tick T on, the outer size is WxH (repeatable)\n"
        "  --every K         print every K-th tick (default 1)\n"
        "  --rescatter SECONDS\n"
        "                    begin the flight again, as drelk --rescatter does: the\n"
        "                    queen back at her start and the drones scattered anew,\n"
        "                    in place of ticks 10 x SECONDS, 20 x SECONDS, ...;\n"
        "                    0, the default, never\n"
        "  --rescatter auto  the same, in place of the tick after the drones have been\n"
        "                    gathered for 5 seconds, and 20 seconds after the last\n"
        "                    start at the soonest, as drelk does where it is left on\n"
        "  --seed S          seed the generator with S instead of the clock; a run\n"
        "                    seeded from the clock tells its seed on standard error\n"
        "  --draws FILE      take the random draws from FILE ('-': standard input),\n"
        "                    one number per line, each 0 <= r < 1 as a float\n"
        "  -h, --help        print this help and exit\n"
        "  -v, --version     print the version and exit\n"
        "An option's value may also follow an equals sign: --ticks=600.\n"
        "Exit status: 0 done; 1 the output could not be written; 2 bad input;\n"
        "3 a fault of the flight rules. Stopped by SIGINT, SIGTERM or SIGHUP, it writes\n"
        "every row computed until then whole and dies of the signal (a shell shows\n"
        "128+S: 130, 143, 129).\n");
}

namespace {

// How each option that takes a value is written, for a message about a missing value.
std::string_view ValueForm(std::string_view option)
{
    if (option == "--window") {
        return "WIDTHxHEIGHT";
    }
    if (option == "--resize") {
        return "TICK:WIDTHxHEIGHT";
    }
    if (option == "--draws") {
        return "FILE";
    }
    if (option == "--rescatter") {
        return "SECONDS|auto";
    }
    return "N";
}

// Reads one option with its value into `options`; throws BadInput.
class OptionReader {
public:
    explicit OptionReader(SimOptions& options) : options_(options) {}

    void Read(std::string_view option, std::string_view value)
    {
        if (option == "--ticks") {
            Once(option, seen_ticks_);
            options_.ticks = ParseCount(value, option, Counted::Ticks);
        } else if (option == "--window") {
            Once(option, seen_window_);
            options_.window = ParseSize(value, option);
        } else if (option == "--resize") {
            options_.resizes.push_back(ParseResize(value, option));
        } else if (option == "--every") {
            Once(option, seen_every_);
            options_.every = ParseCount(value, option, Counted::Ticks);
            if (options_.every == 0) {
                throw BadInput(Translated("SimOptions", "--every: '0' is too small (at least 1)"));
            }
        } else if (option == "--rescatter") {
            Once(option, seen_rescatter_);
            if (value == "auto") {
                options_.rescatter_seconds = kRescatterAuto;
                return;
            }
            options_.rescatter_seconds = ParseCount(value, option, Counted::Seconds);
            if (options_.rescatter_seconds > kMostRescatterSeconds) {
                throw BadInput(Filled(
                    Translated("SimOptions", "--rescatter: %1 is too large (at most %2 seconds)"),
                    {Quoted(value), std::to_string(kMostRescatterSeconds)}));
            }
        } else if (option == "--seed") {
            OneSource(option);
            options_.seed = ParseCount(value, option, Counted::Nothing);
        } else {
            OneSource(option);
            if (value.empty()) {
                throw BadInput(Translated("SimOptions", "--draws: the file name is empty"));
            }
            options_.draws_path = std::string(value);
        }
    }

private:
    static void Once(std::string_view option, bool& seen)
    {
        if (seen) {
            throw BadInput(Filled(Translated("SimOptions", "%1: given more than once"), {option}));
        }
        seen = true;
    }

    void OneSource(std::string_view option) const
    {
        if (options_.seed || options_.draws_path) {
            throw BadInput(Filled(
                Translated("SimOptions", "%1: give one of --seed and --draws, once"), {option}));
        }
    }

    SimOptions& options_;
    bool seen_ticks_ = false, seen_window_ = false, seen_every_ = false;
    bool seen_rescatter_ = false;
};

} // namespace

SimOptions ParseSimOptions(std::span<const std::string_view> args)
{
    SimOptions options;
    OptionReader reader(options);
    // --help and --version win over any mistake around them, so the first mistake is kept
    // until every argument has been seen.
    std::optional<BadInput> mistake;
    std::optional<SimAction> answer;
    auto keep = [&](const BadInput& error) {
        if (!mistake) {
            mistake = error;
        }
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            answer = SimAction::PrintHelp;
            continue;
        }
        if (arg == "--version" || arg == "-v") {
            answer = answer.value_or(SimAction::PrintVersion);
            continue;
        }
        // GNU style: "--ticks=600" as well as "--ticks 600".
        const auto equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view option = arg.substr(0, equals);
        const bool known = option == "--ticks" || option == "--window" || option == "--resize" ||
                           option == "--every" || option == "--seed" || option == "--draws" ||
                           option == "--rescatter";
        if (!known) {
            if (option == "--help" || option == "--version") {
                keep(BadInput(Filled(Translated("SimOptions", "%1: takes no value"), {option})));
            } else if (arg.starts_with("-") && arg != "-") {
                keep(BadInput(
                    Filled(Translated("SimOptions", "unknown option %1 (see drelk-sim --help)"),
                           {Quoted(arg)})));
            } else {
                keep(BadInput(
                    Filled(Translated("SimOptions", "unexpected argument %1: drelk-sim takes only "
                                                    "options (see drelk-sim --help)"),
                           {Quoted(arg)})));
            }
            continue;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            keep(BadInput(Filled(
                Translated("SimOptions", "%1: a value is missing: %1 %2 (see drelk-sim --help)"),
                {option, ValueForm(option)})));
            continue;
        }
        try {
            reader.Read(option, value);
        } catch (const BadInput& error) {
            keep(error);
        }
    }
    if (answer) {
        // What was read around them, mistakes included, is not used.
        SimOptions answered;
        answered.action = *answer;
        return answered;
    }
    if (mistake) {
        throw *mistake;
    }
    // A resize is made before its tick runs; one after the last tick would never be made.
    for (const Resize& resize : options.resizes) {
        if (resize.tick > options.ticks) {
            throw BadInput(Filled(Translated("SimOptions", "--resize: tick %1 comes after the "
                                                           "last tick, %2 (see --ticks)"),
                                  {std::to_string(resize.tick), std::to_string(options.ticks)}));
        }
    }
    return options;
}

} // namespace drelk::sim
