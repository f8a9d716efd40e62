#include "simulator/sim_options.h"

#include "flight/designed_layout.h"
#include "simulator/bad_input.h"
#include "simulator/printable_text.h"

#include <charconv>

namespace drelk::sim {
namespace {

std::uint64_t ParseCount(std::string_view text, std::string_view option, std::string_view what)
{
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error == std::errc::invalid_argument || stop != end) {
        throw BadInput(std::string(option) + ": " + Quoted(text) + " is not a whole number" +
                       std::string(what));
    }
    if (error == std::errc::result_out_of_range) {
        throw BadInput(std::string(option) + ": " + Quoted(text) + " is too large");
    }
    return value;
}

// "WxH" in whole twips, each side 1..kMaxWindowSide.
WindowSize ParseSize(std::string_view text, std::string_view option)
{
    const auto cross = text.find('x');
    if (cross == std::string_view::npos) {
        throw BadInput(std::string(option) + ": " + Quoted(text) +
                       " is not a size of the form WIDTHxHEIGHT");
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
            throw BadInput(std::string(option) + ": " + Quoted(text) +
                           " is not a size of the form WIDTHxHEIGHT in whole twips");
        }
        if (error == std::errc::result_out_of_range || value <= 0 || value > kMaxWindowSide) {
            throw BadInput(std::string(option) + ": window side " + Quoted(side) +
                           " must be from 1 to " + std::to_string(kMaxWindowSide) + " twips");
        }
        *fields[i] = value;
    }
    return size;
}

Resize ParseResize(std::string_view text, std::string_view option)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        throw BadInput(std::string(option) + ": " + Quoted(text) +
                       " is not of the form TICK:WIDTHxHEIGHT");
    }
    return Resize{ParseCount(text.substr(0, colon), option, " of ticks"),
                  ParseSize(text.substr(colon + 1), option)};
}

} // namespace

std::string_view SimUsage()
{
    return "Usage: drelk-sim [--ticks N] [--window WxH] [--resize T:WxH]... [--every K]\n"
           "                 [--seed S | --draws FILE]\n"
           "Runs the Drelk flight without a window and prints its state as CSV: the scatter\n"
           "(tick 0), then every K-th of N movement ticks.\n"
           "  --ticks N         movement ticks after the scatter (default 100)\n"
           "  --window WxH      the window's outer size in twips (default 9105x6930)\n"
           "  --resize T:WxH    from tick T on, the outer size is WxH (repeatable)\n"
           "  --every K         print every K-th tick (default 1)\n"
           "  --seed S          seed the generator with S instead of the clock\n"
           "  --draws FILE      take the random draws from FILE ('-': standard input),\n"
           "                    one number per line, each 0 <= r < 1 as a float\n"
           "Exit status: 0 done, 2 bad input, 3 a fault of the flight rules.\n";
}

SimOptions ParseSimOptions(std::span<const std::string_view> args)
{
    SimOptions options;
    options.window = {kDesignedOuterWidth, kDesignedOuterHeight};
    bool seen_ticks = false, seen_window = false, seen_every = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        const bool known = option == "--ticks" || option == "--window" || option == "--resize" ||
                           option == "--every" || option == "--seed" || option == "--draws";
        if (!known) {
            throw BadInput("unknown option " + Quoted(option) + " (see --help)");
        }
        if (i + 1 == args.size()) {
            throw BadInput(std::string(option) + ": a value is missing");
        }
        const std::string_view value = args[++i];
        auto once = [&](bool& seen) {
            if (seen) {
                throw BadInput(std::string(option) + ": given more than once");
            }
            seen = true;
        };

        if (option == "--ticks") {
            once(seen_ticks);
            options.ticks = ParseCount(value, option, " of ticks");
        } else if (option == "--window") {
            once(seen_window);
            options.window = ParseSize(value, option);
        } else if (option == "--resize") {
            options.resizes.push_back(ParseResize(value, option));
        } else if (option == "--every") {
            once(seen_every);
            options.every = ParseCount(value, option, " of ticks");
            if (options.every == 0) {
                throw BadInput("--every: must be at least 1");
            }
        } else if (option == "--seed") {
            if (options.seed || options.draws_path) {
                throw BadInput("--seed: give one of --seed and --draws, once");
            }
            options.seed = ParseCount(value, option, "");
        } else {
            if (options.seed || options.draws_path) {
                throw BadInput("--draws: give one of --seed and --draws, once");
            }
            if (value.empty()) {
                throw BadInput("--draws: the file name is empty");
            }
            options.draws_path = std::string(value);
        }
    }
    return options;
}

} // namespace drelk::sim
