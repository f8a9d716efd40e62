// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

class QString;

namespace drelk::window {

// Tells the user `message` as one line on standard error, "drelk: " first, written at once.
// Every word drelk says on standard error goes through here.
void TellUser(const QString& message);

} // namespace drelk::window
