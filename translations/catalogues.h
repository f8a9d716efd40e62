// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

class QTranslator;

namespace drelk {

// Loads `catalogue` with drelk's own texts in the user's language: QLocale()'s, which Qt
// reads from LANGUAGE, LC_ALL, LC_MESSAGES and LANG. The catalogues lie in
// share/drelk/translations beside the program's bin folder, installed or in the build tree
// alike. False where there is none for the language (English among them): the texts then
// stay English.
bool LoadDrelkCatalogue(QTranslator& catalogue);

// Puts drelk's catalogue and Qt's own (qtbase: the message box's buttons, the command line's
// help) for the user's language into the application object, loading them the first time.
// Each application object needs them anew; this one may still be in the making.
void InstallCatalogues();

} // namespace drelk
