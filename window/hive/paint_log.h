// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

namespace drelk::window {

// Which way the hive is painted, and why a canvas steps aside when it does, at debug
// level: QT_LOGGING_RULES=drelk.paint.debug=true shows it.
Q_DECLARE_LOGGING_CATEGORY(lcPaint)

} // namespace drelk::window
