#pragma once

#include <optional>

namespace drelk::window {

// Reads the command line. The program takes no arguments, so any argument is --help,
// --version or a mistake, and is answered without a display: the answer goes to standard
// output or standard error, and the exit status is returned. With no arguments to act on
// it returns nothing and the window may open.
std::optional<int> HandleArguments(int argc, char** argv);

} // namespace drelk::window
