// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

namespace drelk::sim {

// Makes drelk-sim speak the user's language, as the locale names it: its own texts from
// drelk's catalogue for that language, and the system's error texts (strerror) in it too.
// Numbers and the CSV stay as they are in every language. Built without Qt, drelk-sim
// speaks English.
void UseUserLanguage();

} // namespace drelk::sim
