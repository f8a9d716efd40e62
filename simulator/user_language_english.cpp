// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// drelk-sim built without Qt, as the fuzzing build makes it: no catalogue to read.

#include "simulator/user_language.h"

namespace drelk::sim {

void UseUserLanguage() {}

} // namespace drelk::sim
