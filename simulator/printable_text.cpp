// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/printable_text.h"

namespace drelk::sim {

std::string Printable(std::string_view text)
{
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            shown += c;
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\t') {
            shown += "\\t";
        } else {
            shown += "\\x";
            shown += kHexDigits[byte >> 4];
            shown += kHexDigits[byte & 0xf];
        }
    }
    return shown;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '\'');
    if (text.size() <= kMostQuotedBytes) {
        quoted += Printable(text);
        quoted += '\'';
        return quoted;
    }
    // Cut at a character boundary, so that a UTF-8 character is not split in two.
    std::size_t cut = kMostQuotedBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80) {
        --cut;
    }
    quoted += Printable(text.substr(0, cut));
    quoted += "...' (" + std::to_string(text.size()) + " bytes)";
    return quoted;
}

} // namespace drelk::sim
