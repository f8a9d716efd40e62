// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace drelk::sim {

// Text from the user or a file, made fit to show inside a one-line message: control
// characters (a newline in an argument, a stray carriage return or escape in a draws file)
// are written as \n, \r, \t or \xHH, so every message stays one readable line.
std::string Printable(std::string_view text);

// Printable(text) between single quotes. A text longer than kMostQuotedBytes is cut there
// and its length given instead, so that a junk line of megabytes makes a short message.
inline constexpr std::size_t kMostQuotedBytes = 60;
std::string Quoted(std::string_view text);

} // namespace drelk::sim
