// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/platform_choice.h"

#include <QtGlobal>

#include <algorithm>

namespace drelk::window {
namespace {

// Whether the hive goes onto the layers of a Wayland desktop (--root without a daemon's window,
// --saver) rather than onto X11: where the program runs under a Wayland compositor, unless
// `platform` (-platform, or QT_QPA_PLATFORM) names another.
bool OnWaylandLayers(const ShowMode& mode, const QString& platform)
{
    const bool layered = (mode.place == ShowMode::Place::Root && !mode.window) ||
                         mode.place == ShowMode::Place::Saver;
    if (!layered) {
        return false;
    }
    const QString chosen = platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platform;
    if (!chosen.isEmpty()) {
        return chosen.startsWith(QLatin1String("wayland"));
    }
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

// Qt's own arguments for a program whose hives are on a Wayland desktop's layers: drelk
// speaks to the compositor itself there, and Qt, which shows no window, runs on its
// offscreen platform, which opens no display and costs no memory for one.
QStringList QtArgumentsForLayers(QStringList qt_arguments)
{
    for (qsizetype i = qt_arguments.indexOf(QStringLiteral("-platform")); i >= 0;
         i = qt_arguments.indexOf(QStringLiteral("-platform"))) {
        qt_arguments.remove(i, std::min<qsizetype>(2, qt_arguments.size() - i));
    }
    return qt_arguments << QStringLiteral("-platform") << QStringLiteral("offscreen");
}

} // namespace

PlatformChoice ChoosePlatform(const DrelkOptions& options)
{
    if (OnWaylandLayers(options.show, options.platform)) {
        return {Platform::WaylandLayers, QtArgumentsForLayers(options.qt_arguments)};
    }
    return {Platform::X11, options.qt_arguments};
}

} // namespace drelk::window
