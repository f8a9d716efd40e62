// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/program_identity.h"

#include <QGuiApplication>
#include <QString>

namespace drelk::window {

void DescribeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Drelk"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DRELK_VERSION_TEXT));
    QCoreApplication::setOrganizationName(QStringLiteral("The Drelk developers"));
    // Lets a Wayland compositor tie the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DRELK_APP_ID));
}

QIcon ProgramIcon() { return QIcon(QStringLiteral(":/icons/drelk.xpm")); }

} // namespace drelk::window
