// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

class QString;

namespace drelk::window {

// Tells the user `message` as one line on standard error, "drelk: " first, written at once.
// Every word drelk says on standard error goes through here.
void TellUser(const QString& message);

// What the user gave (an argument, an environment variable) as a message shows it: in single
// quotes, control characters escaped so that the message stays one line, a long text cut.
QString Shown(const QString& text);

} // namespace drelk::window
