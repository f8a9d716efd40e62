// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/user_text.h"

#include <limits>
#include <utility>

namespace drelk::sim {
namespace {

TextLookup& Lookup()
{
    static TextLookup lookup;
    return lookup;
}

} // namespace

void SetTextLookup(TextLookup lookup) { Lookup() = std::move(lookup); }

std::string Translated(const char* context, const char* source)
{
    if (const TextLookup& lookup = Lookup()) {
        if (std::optional<std::string> text = lookup(context, source, nullptr, -1)) {
            return std::move(*text);
        }
    }
    return source;
}

std::string TranslatedCount(const char* context, const char* many, const char* one, std::uint64_t n)
{
    // The catalogue's rules need an int; any count past it takes the form of a large one.
    const int chosen =
        static_cast<int>(std::min<std::uint64_t>(n, std::numeric_limits<int>::max()));
    std::optional<std::string> text;
    if (const TextLookup& lookup = Lookup()) {
        text = lookup(context, many, one, chosen);
    }
    std::string form = text ? std::move(*text) : std::string(n == 1 ? one : many);
    const std::string count = std::to_string(n);
    for (std::size_t at = form.find("%n"); at != std::string::npos;
         at = form.find("%n", at + count.size())) {
        form.replace(at, 2, count);
    }
    return form;
}

std::string Filled(std::string_view text, std::initializer_list<std::string_view> args)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && number < args.size()) {
            filled += args.begin()[number];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace drelk::sim
