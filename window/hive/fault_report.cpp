// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/hive/fault_report.h"

#include <QCoreApplication>

namespace drelk::window {

QString FaultMessage(const QString& what)
{
    return QCoreApplication::translate(
               "FaultReport",
               "The flight went wrong (%1). The Drelk cannot go on and will now close.")
        .arg(what);
}

} // namespace drelk::window
