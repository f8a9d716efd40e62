// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/user_message.h"

#include <QString>

#include <cstdio>

namespace drelk::window {

void TellUser(const QString& message)
{
    std::fprintf(stderr, "drelk: %s\n", qPrintable(message));
    std::fflush(stderr);
}

} // namespace drelk::window
