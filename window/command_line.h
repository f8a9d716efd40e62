// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

#include "window/show_mode.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace drelk::window {

// What the user asked of drelk on its command line.
struct DrelkOptions {
    // Qt's own options (-platform, -display, -style, ...) rewritten in the one form that
    // QApplication and its platform plugins read, "-name" then the value, whichever form the
    // user wrote ("--platform=xcb", "-platform xcb"). Hand them to QApplication after the
    // program name.
    QStringList qt_arguments;
    QString platform; // the value of -platform, if given
    QString display;  // the value of -display, if given
    ShowMode show;    // where the hive is shown: --fullscreen, --root, --window-id
    // --seed: the flight's generator takes this seed instead of the clock's.
    std::optional<std::uint64_t> seed;
    // --rescatter, or else the default of where the hive is shown: 0 is never, and
    // kRescatterAuto is auto.
    std::uint64_t rescatter_seconds = 0;
};

// Either the options to run with, or the exit status of a command line that has already
// been answered (--help, --help-all, --version: on standard output) or refused (one line on
// standard error). Nothing here needs a display.
struct CommandLine {
    std::optional<int> exit_status;
    DrelkOptions options;
};

// Reads the command line, argc and argv as main() has them: the program's own options and
// every option that QApplication and its platform plugins take. Anything else, and any
// argument, is refused. Reads them through an application object of its own, with no
// display and drelk's catalogues installed, so it comes before the QApplication.
CommandLine ReadCommandLine(int argc, char** argv);

// The argc and argv that QApplication is made from: the program name, then `arguments`.
// QApplication keeps references to both for its whole life, so this must outlive it.
class ArgumentVector {
public:
    ArgumentVector(const char* program, const QStringList& arguments)
    {
        words_.emplace_back(program);
        for (const QString& argument : arguments) {
            words_.push_back(argument.toLocal8Bit());
        }
        for (QByteArray& word : words_) {
            pointers_.push_back(word.data());
        }
        pointers_.push_back(nullptr);
        argc_ = static_cast<int>(words_.size());
    }

    int& argc() { return argc_; }
    char** argv() { return pointers_.data(); }

private:
    std::vector<QByteArray> words_;
    std::vector<char*> pointers_;
    int argc_ = 0;
};

} // namespace drelk::window
