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

QString Shown(const QString& text)
{
    constexpr qsizetype kMostShown = 60;
    QString shown;
    for (const QChar c : text.left(kMostShown)) {
        shown += c.unicode() < 0x20 || c.unicode() == 0x7f
                     ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                     : QString(c);
    }
    if (text.size() > kMostShown) {
        shown += QStringLiteral("...");
    }
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}

} // namespace drelk::window
