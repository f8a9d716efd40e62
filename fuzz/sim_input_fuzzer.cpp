// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Fuzzes what drelk-sim reads from its user: the option words and a draws file.
//
// The input is split at NUL bytes: every piece but the last is one argument word, the last
// is the text of the draws file. The words are parsed as options, each line of the text as
// a draw, and then the simulation runs on the whole text (at most 64 ticks). Bad input may
// only ever come out as BadInput with a one-line message, and the CSV written before it
// must be whole rows.

#include "simulator/bad_input.h"
#include "simulator/draw_file.h"
#include "simulator/sim_options.h"
#include "simulator/simulation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace drelk::sim;

namespace {

constexpr std::uint64_t kMostTicks = 64;
// The CSV has 84 columns: tick, the queen's three, eight for each of ten drones.
constexpr std::size_t kCommasPerRow = 83;

[[noreturn]] void Finding(const char* what, std::string_view detail)
{
    std::fprintf(stderr, "finding: %s: [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// A message for the user is one line of printable text (tabs allowed).
void ExpectOneLine(const BadInput& error)
{
    const std::string_view message = error.what();
    if (message.empty()) {
        Finding("empty BadInput message", message);
    }
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f) {
            Finding("BadInput message is not one line of text", message);
        }
    }
}

void ExpectWholeRows(std::string_view csv)
{
    if (!csv.empty() && csv.back() != '\n') {
        Finding("CSV output ends inside a row", csv);
    }
    while (!csv.empty()) {
        const std::string_view row = csv.substr(0, csv.find('\n'));
        if (static_cast<std::size_t>(std::count(row.begin(), row.end(), ',')) != kCommasPerRow) {
            Finding("CSV row with the wrong number of columns", row);
        }
        csv.remove_prefix(row.size() + 1);
    }
}

void ParseEachLine(std::string_view text)
{
    std::uint64_t line_number = 0;
    while (!text.empty()) {
        const std::string_view line = text.substr(0, text.find('\n'));
        text.remove_prefix(std::min(text.size(), line.size() + 1));
        try {
            const float draw = ParseDraw(line, "draws", ++line_number);
            if (!(draw >= 0.0f && draw < 1.0f)) {
                Finding("ParseDraw accepted a draw outside [0, 1)", line);
            }
        } catch (const BadInput& error) {
            ExpectOneLine(error);
        }
    }
}

void Simulate(SimOptions options, std::string_view draws_text)
{
    options.ticks = std::min(options.ticks, kMostTicks);
    std::istringstream in{std::string(draws_text)};
    DrawFileRandom draws(in, "draws", options.ticks, options.rescatter_seconds);

    char* csv = nullptr;
    std::size_t csv_size = 0;
    std::FILE* out = open_memstream(&csv, &csv_size);
    if (out == nullptr) {
        std::abort();
    }
    try {
        RunSimulation(options, draws, out);
    } catch (const BadInput& error) {
        ExpectOneLine(error);
    }
    std::fclose(out);
    ExpectWholeRows(std::string_view(csv, csv_size));
    std::free(csv);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> words;
    for (auto nul = input.find('\0'); nul != std::string_view::npos; nul = input.find('\0')) {
        words.push_back(input.substr(0, nul));
        input.remove_prefix(nul + 1);
    }

    try {
        SimOptions options;
        try {
            options = ParseSimOptions(words);
        } catch (const BadInput& error) {
            ExpectOneLine(error);
            options = ParseSimOptions({});
        }
        ParseEachLine(input);
        if (options.action == SimAction::Run) {
            Simulate(options, input);
        }
    } catch (const std::exception& error) {
        Finding("an exception other than BadInput", error.what());
    }
    return 0;
}
