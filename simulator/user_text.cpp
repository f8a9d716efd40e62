// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/user_text.h"

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
        if (std::optional<std::string> text = lookup(context, source)) {
            return std::move(*text);
        }
    }
    return source;
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
