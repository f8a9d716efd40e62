// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/hive/paint_log.h"

namespace drelk::window {

Q_LOGGING_CATEGORY(lcPaint, "drelk.paint", QtInfoMsg)

} // namespace drelk::window
