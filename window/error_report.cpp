// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/error_report.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>

#include <cstdio>

namespace drelk::window {

QString FaultMessage(const QString& what)
{
    return QCoreApplication::translate(
               "FaultReport",
               "The flight went wrong (%1). The Drelk cannot go on and will now close.")
        .arg(what);
}

FaultReport DesktopFaultReport()
{
    FaultReport report;
    report.tell = [](QWidget* parent, const QString& message) {
        std::fprintf(stderr, "drelk: %s\n", qPrintable(message));
        std::fflush(stderr);
        QMessageBox::critical(parent, QCoreApplication::translate("FaultReport", "The Drelk"),
                              message);
    };
    report.end = [](int status) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [status] { QCoreApplication::exit(status); },
            Qt::QueuedConnection);
    };
    return report;
}

} // namespace drelk::window
