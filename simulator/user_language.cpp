// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "simulator/user_language.h"

#include "simulator/user_text.h"
#include "translations/catalogues.h"

#include <QString>
#include <QTranslator>

#include <clocale>

namespace drelk::sim {

void UseUserLanguage()
{
    // Only the messages' category: the others would change how printf writes numbers.
    std::setlocale(LC_MESSAGES, "");
    static QTranslator catalogue;
    if (!LoadDrelkCatalogue(catalogue)) {
        return;
    }
    SetTextLookup([](const char* context, const char* source, const char* disambiguation,
                     int n) -> std::optional<std::string> {
        const QString text = catalogue.translate(context, source, disambiguation, n);
        if (text.isNull()) {
            return std::nullopt;
        }
        return text.toStdString();
    });
}

} // namespace drelk::sim
