// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace drelk::sim {

// Finds the user's-language text for `source` in `context`, or nothing. A text with a count
// in it comes with its disambiguation and the count (`n` >= 0), of which the catalogue picks
// the language's form; n is -1 for any other.
using TextLookup = std::function<std::optional<std::string>(const char* context, const char* source,
                                                            const char* disambiguation, int n)>;

// Puts in the lookup that Translated() asks. drelk-sim's main puts in drelk's catalogue for
// the user's language; without a lookup every text is its English source.
void SetTextLookup(TextLookup lookup);

// A text the user reads, in the user's language. Qt's lupdate collects each call into the
// catalogues, being told that Translated is its translate(): so both arguments are string
// literals, and the placeholders %1, %2, ... are filled in afterwards by Filled().
std::string Translated(const char* context, const char* source);

// A text with a count `n` in it, as %n: in English `one` when n is 1 and `many` otherwise; in
// another language the form of `many` its plural rules give n (French takes the singular
// for 0 as well). lupdate reads it as translate(context, many, one, n): a text with plural
// forms, its English singular shown to the translator as the disambiguation.
std::string TranslatedCount(const char* context, const char* many, const char* one,
                            std::uint64_t n);

// `text` with each %1..%9 replaced by that argument, in one pass, so that what an argument
// brings (a user's "%2") is shown as it is. A translation may put them in any order.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace drelk::sim
