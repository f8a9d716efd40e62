// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/program_identity.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QString>

// The bee: an XPM file is C, an array of the image's lines, drelk_xpm.
#include "icons/drelk.xpm"

namespace drelk::window {

void DescribeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Drelk"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DRELK_VERSION_TEXT));
    QCoreApplication::setOrganizationName(QStringLiteral("The Drelk developers"));
    // Lets a Wayland compositor tie the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DRELK_APP_ID));
}

QIcon ProgramIcon()
{
    // Qt Gui reads the array itself. A file (a resource too) would go through QImageReader,
    // which, for a format that no plugin names, loads every image-format plugin to ask it
    // before falling back to its own XPM reader: on Debian those of GIF, ICO and JPEG, with
    // libjpeg, each resident for the rest of the run.
    return QIcon(QPixmap::fromImage(QImage(drelk_xpm)));
}

} // namespace drelk::window
