// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace drelk::sim {

// Finds the user's-language text for `source` in `context`, or nothing.
using TextLookup =
    std::function<std::optional<std::string>(const char* context, const char* source)>;

// Puts in the lookup that Translated() asks. drelk-sim's main puts in drelk's catalogue for
// the user's language; without a lookup every text is its English source.
void SetTextLookup(TextLookup lookup);

// A text the user reads, in the user's language. Qt's lupdate collects each call into the
// catalogues, being told that Translated is its translate(): so both arguments are string
// literals, and the placeholders %1, %2, ... are filled in afterwards by Filled().
std::string Translated(const char* context, const char* source);

// `text` with each %1..%9 replaced by that argument, in one pass, so that what an argument
// brings (a user's "%2") is shown as it is. A translation may put them in any order.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace drelk::sim
