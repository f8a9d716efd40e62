#pragma once

#include "window/screen_modes.h"

#include <optional>

namespace drelk::window {

// Reads the command line. Besides the options of where to show the hive, read into `mode`,
// the program takes no arguments, so anything else is --help, --version or a mistake, and
// is answered without a display: the answer goes to standard output or standard error,
// and the exit status is returned. Otherwise it returns nothing and the window may open.
std::optional<int> HandleArguments(int argc, char** argv, ShowMode& mode);

} // namespace drelk::window
