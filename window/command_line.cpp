#include "window/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>

#include <cstdio>

namespace drelk::window {

std::optional<int> HandleArguments(int argc, char** argv, ShowMode& mode)
{
    if (argc <= 1) {
        return std::nullopt;
    }
    // A plain core application is enough to answer: no display is needed for --help.
    QCoreApplication reader(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A small desktop animation. In a window titled \"The Drelk\" a filled circle, the "
        "queen,\nflies a jittering course and turns back near the window's edges, while ten "
        "thick\nlines, her drones, chase her. Closing the window ends the program. It takes "
        "no\narguments, reads no files and keeps no settings.\n\nKeys: F11 full screen on "
        "and off, Escape leaves full screen, Space pauses and\nresumes, Ctrl+Q quits. As a "
        "screensaver (--root, --window-id) it stops on SIGTERM."));
    parser.addHelpOption();
    parser.addVersionOption();
    AddShowModeOptions(parser);
    // Unknown options: Qt's own one-line message on standard error, exit status 1.
    parser.process(reader);

    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty()) {
        std::fprintf(stderr,
                     "drelk: unexpected argument '%s': the program takes no arguments "
                     "(see drelk --help)\n",
                     qPrintable(extra.first()));
        return 1;
    }
    return ReadShowMode(parser, mode);
}

} // namespace drelk::window
