// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/program_end.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace drelk::window {

int EndProgram(int status)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace drelk::window
