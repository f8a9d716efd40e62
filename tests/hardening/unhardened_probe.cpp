// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Built with every hardening switched off, so that the readelf check can be seen to fail.

#include <cstdio>

int main(int argc, char**)
{
    char text[16];
    // With _FORTIFY_SOURCE this call would become __snprintf_chk.
    std::snprintf(text, sizeof text, "%d", argc);
    std::puts(text);
    return 0;
}
