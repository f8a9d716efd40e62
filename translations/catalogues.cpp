// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "translations/catalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace drelk {
namespace {

// Both catalogues for the user's language, loaded once for every application object.
struct Catalogues {
    QTranslator qt;
    QTranslator drelk;

    Catalogues()
    {
        // Where Qt keeps its own: Debian's qt6-translations-l10n fills it.
        (void)qt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        (void)LoadDrelkCatalogue(drelk);
    }
};

} // namespace

bool LoadDrelkCatalogue(QTranslator& catalogue)
{
    // The folder of the program itself, symbolic links followed (the screensavers' folder
    // links to drelk), with no application object needed.
    const QDir bin(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    return catalogue.load(QLocale(), QStringLiteral("drelk"), QStringLiteral("_"),
                          bin.filePath(QStringLiteral(DRELK_CATALOGUES_FROM_BIN)));
}

void InstallCatalogues()
{
    static Catalogues catalogues;
    // The last one installed is asked first: drelk's own texts, then Qt's.
    for (QTranslator* catalogue : {&catalogues.qt, &catalogues.drelk}) {
        if (!catalogue->isEmpty()) {
            QCoreApplication::installTranslator(catalogue);
        }
    }
}

} // namespace drelk
