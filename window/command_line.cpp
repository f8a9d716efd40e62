// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/command_line.h"

#include "flight/rescatter.h"
#include "translations/catalogues.h"
#include "window/exit_status.h"
#include "window/show_mode.h"
#include "window/user_message.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>

namespace drelk::window {
namespace {

// An option that Qt reads itself. The help texts are Qt's own, so that Qt's translations
// apply to them as they would in Qt's own --help-all.
struct QtOption {
    const char* name;
    const char* value_name; // nullptr: a switch
    const char* context;
    const char* help;
};

// The options of QGuiApplication, QApplication and the xcb platform plugin, as their sources
// read them. Qt workaround, checked on Qt 6.4.2 and 6.8.2: Qt lists them only in its own
// --help-all and takes them itself, so a copy is the one way to refuse everything else. Not
// -qmljsdebugger: a Widgets program has no QML to debug. The X11 ones are harmless
// elsewhere: other platforms leave them unread.
constexpr QtOption kQtOptions[] = {
    {"platform", "platformName[:options]", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "QPA plugin. See QGuiApplication documentation for "
                                          "available options for each plugin.")},
    {"platformpluginpath", "path", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Path to the platform plugins.")},
    {"platformtheme", "theme", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Platform theme.")},
    {"plugin", "plugin", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication",
                       "Additional plugins to load, can be specified multiple times.")},
    {"qwindowgeometry", "geometry", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Window geometry for the main window, using the "
                                          "X11-syntax, like 100x100+50+50.")},
    {"qwindowicon", "icon", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Default window icon.")},
    {"qwindowtitle", "title", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Title of the first window.")},
    {"reverse", nullptr, "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Sets the application's layout direction to "
                                          "Qt::RightToLeft (debugging helper).")},
    {"session", "session", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Restores the application from an earlier session.")},
    {"style", "style", "drelk::window::CommandLine",
     QT_TRANSLATE_NOOP("drelk::window::CommandLine", "Widget style, for example Fusion.")},
    {"stylesheet", "file", "drelk::window::CommandLine",
     QT_TRANSLATE_NOOP("drelk::window::CommandLine", "Style sheet for the widgets.")},
    {"widgetcount", nullptr, "drelk::window::CommandLine",
     QT_TRANSLATE_NOOP("drelk::window::CommandLine",
                       "At the end, print how many widgets were left undestroyed.")},
    {"display", "display", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Display name, overrides $DISPLAY.")},
    {"name", "name", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Instance name according to ICCCM 4.1.2.5.")},
    {"nograb", nullptr, "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Disable mouse grabbing (useful in debuggers).")},
    {"dograb", nullptr, "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication",
                       "Force mouse grabbing (even when running in a debugger).")},
    {"visual", "id", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "ID of the X11 Visual to use.")},
    {"geometry", "geometry", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Alias for --qwindowgeometry.")},
    {"icon", "icon", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Alias for --qwindowicon.")},
    {"title", "title", "QGuiApplication",
     QT_TRANSLATE_NOOP("QGuiApplication", "Alias for --qwindowtitle.")},
};

// The program's own options. A new option is added here, read in ReadOptions, and listed
// in the manual page; --help shows it.
void AddProgramOptions(QCommandLineParser& parser)
{
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      QCoreApplication::translate("QCommandLineParser",
                                                  "Displays help on commandline options.")});
    parser.addOption({QStringLiteral("help-all"),
                      QCoreApplication::translate("QCommandLineParser",
                                                  "Displays help including Qt specific options.")});
    parser.addOption(
        {{QStringLiteral("v"), QStringLiteral("version")},
         QCoreApplication::translate("QCommandLineParser", "Displays version information.")});
    parser.addOption({QStringLiteral("seed"),
                      QCoreApplication::translate(
                          "drelk::window::CommandLine",
                          "Fly the flight of drelk-sim --seed <S>, S a whole number, instead "
                          "of a new one each time."),
                      QStringLiteral("S")});
    parser.addOption(
        {QStringLiteral("rescatter"),
         QCoreApplication::translate(
             "drelk::window::CommandLine",
             "Every <SECONDS> the flight begins again: the queen back at her start, the drones "
             "scattered anew. 0 is never, the default in a window. auto begins it again once the "
             "drones have been gathered for 5 seconds, 20 seconds after the last start at the "
             "soonest; with --root, --saver and --window-id the default is auto."),
         QCoreApplication::translate("drelk::window::CommandLine", "SECONDS|auto")});
    AddShowModeOptions(parser);
}

// A seed as drelk-sim takes it, and a number of seconds: a whole number that fits in 64
// bits, in decimal.
std::optional<std::uint64_t> ParseSeed(const QString& text)
{
    const bool digits = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    bool ok = false;
    const qulonglong seed = digits ? text.toULongLong(&ok) : 0;
    return ok ? std::optional<std::uint64_t>(seed) : std::nullopt;
}

// Qt's options: hidden from --help, shown by --help-all.
void AddQtOptions(QCommandLineParser& parser, bool shown)
{
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name),
                                  QCoreApplication::translate(qt.context, qt.help));
        if (qt.value_name != nullptr) {
            option.setValueName(QString::fromLatin1(qt.value_name));
        }
        if (!shown) {
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        }
        parser.addOption(option);
    }
}

void SetUp(QCommandLineParser& parser, bool show_qt_options)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "drelk::window::CommandLine",
        "A small desktop animation. In a window titled \"The Drelk\" a filled circle, the\n"
        "queen, flies a jittering course and turns back near the window's edges, while\n"
        "ten thick lines, her drones, chase her. Closing the window ends the program. It\n"
        "takes no arguments, reads no files and keeps no settings.\n\n"
        "Keys: F11 full screen on and off, Escape leaves full screen, Space pauses and\n"
        "resumes, Ctrl+Q quits. As a screensaver (--root, --saver, --window-id) it is\n"
        "stopped with SIGTERM, of which it dies at once (a shell shows status 143).\n\n"
        "Exit status: 0 closed or quit, or --saver ended by the user; 1 a bad command\n"
        "line or no display; 2 nothing to draw into (--root, --saver, --window-id), or it\n"
        "went away; 3 a broken rule of the flight."));
    // "-platform" is one option, as Qt programs have always written it, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    AddProgramOptions(parser);
    AddQtOptions(parser, show_qt_options);
}

int Refuse(const QString& why)
{
    TellUser(why);
    return kExitUsage;
}

// The message for a command line that the parser refused.
QString Mistake(const QCommandLineParser& parser, const QStringList& arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        // Show the first unknown option as it was written, dashes and all.
        for (const QString& argument : arguments.mid(1)) {
            QString name = argument.section(QLatin1Char('='), 0, 0);
            while (name.startsWith(QLatin1Char('-'))) {
                name.remove(0, 1);
            }
            if (argument.startsWith(QLatin1Char('-')) && name == unknown.first()) {
                return QCoreApplication::translate("drelk::window::CommandLine",
                                                   "unknown option %1 (see drelk --help)")
                    .arg(Shown(argument.section(QLatin1Char('='), 0, 0)));
            }
        }
    }
    // Qt's own words for a missing or unexpected value, as one line that ends like ours: in
    // lower case, but in German, whose nouns keep their capital. The first language the user
    // asks for is the one Qt's catalogue speaks.
    QString text = parser.errorText().simplified();
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    const QLocale speaking(QLocale().uiLanguages().value(0));
    if (!text.isEmpty() && speaking.language() != QLocale::German) {
        text[0] = text[0].toLower();
    }
    // A value can be missing only after the last argument. The help that lists its option
    // is the one pointed to: --help for the program's own, --help-all for Qt's.
    QString last = arguments.value(arguments.size() - 1).section(QLatin1Char('='), 0, 0);
    while (last.startsWith(QLatin1Char('-'))) {
        last.remove(0, 1);
    }
    const bool qt_option =
        std::any_of(std::begin(kQtOptions), std::end(kQtOptions),
                    [&](const QtOption& qt) { return last == QLatin1String(qt.name); });
    return qt_option
               ? QCoreApplication::translate("drelk::window::CommandLine",
                                             "%1 (see drelk --help-all)")
                     .arg(text)
               : QCoreApplication::translate("drelk::window::CommandLine", "%1 (see drelk --help)")
                     .arg(text);
}

QString HelpText(bool show_qt_options)
{
    QCommandLineParser parser;
    SetUp(parser, show_qt_options);
    return parser.helpText();
}

// The help or the version could not be written (errno says why): the program ends as for
// a bad command line.
int CannotAnswer()
{
    return Refuse(QCoreApplication::translate("drelk::window::CommandLine",
                                              "cannot write to standard output: %1")
                      .arg(QString::fromLocal8Bit(std::strerror(errno))));
}

// The help or the version has been printed, and has reached standard output.
int Answered()
{
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? kExitOk : CannotAnswer();
}

DrelkOptions ReadOptions(const QCommandLineParser& parser)
{
    DrelkOptions options;
    for (const QtOption& qt : kQtOptions) {
        const QString name = QString::fromLatin1(qt.name);
        if (qt.value_name == nullptr) {
            if (parser.isSet(name)) {
                options.qt_arguments << QLatin1Char('-') + name;
            }
            continue;
        }
        for (const QString& value : parser.values(name)) {
            options.qt_arguments << QLatin1Char('-') + name << value;
        }
    }
    options.platform = parser.value(QStringLiteral("platform"));
    options.display = parser.value(QStringLiteral("display"));
    return options;
}

} // namespace

CommandLine ReadCommandLine(int argc, char** argv)
{
    // Were standard output closed, the application object below would open a file in its
    // place, and the help would go there.
    const bool output_closed = fcntl(STDOUT_FILENO, F_GETFD) == -1;
    // An application object for the reading, made from the program's name alone: the
    // parser's usage line names the program as it finds it there, "drelk", not the path it
    // was called by; and Qt's texts and ours are translated through it. A core one needs no
    // display.
    ArgumentVector named("drelk", {});
    QCoreApplication reader(named.argc(), named.argv());
    InstallCatalogues();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    SetUp(parser, false);
    const bool parsed = parser.parse(arguments);

    // --help and --version win over any mistake around them.
    if (parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("help"))) {
        if (output_closed) {
            errno = EBADF;
            return {CannotAnswer(), {}};
        }
        std::fputs(qPrintable(HelpText(parser.isSet(QStringLiteral("help-all")))), stdout);
        return {Answered(), {}};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        if (output_closed) {
            errno = EBADF;
            return {CannotAnswer(), {}};
        }
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return {Answered(), {}};
    }
    if (!parsed) {
        return {Refuse(Mistake(parser, arguments)), {}};
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        return {Refuse(QCoreApplication::translate(
                           "drelk::window::CommandLine",
                           "unexpected argument %1: the program takes no arguments "
                           "(see drelk --help)")
                           .arg(Shown(extra.first()))),
                {}};
    }
    DrelkOptions options = ReadOptions(parser);
    if (parser.values(QStringLiteral("seed")).size() > 1) {
        return {Refuse(QCoreApplication::translate("drelk::window::CommandLine",
                                                   "--seed is given more than once")),
                {}};
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        const QString text = parser.value(QStringLiteral("seed"));
        options.seed = ParseSeed(text);
        if (!options.seed) {
            return {
                // Both at once: a "%2" in what the user wrote stays as it is.
                Refuse(QCoreApplication::translate("drelk::window::CommandLine",
                                                   "--seed %1 is not a whole number from 0 to %2")
                           .arg(Shown(text),
                                QString::number(std::numeric_limits<std::uint64_t>::max()))),
                {}};
        }
    }
    if (const auto status = ReadShowMode(parser, options.show)) {
        return {status, {}};
    }
    options.rescatter_seconds = DefaultRescatterSeconds(options.show);
    if (parser.isSet(QStringLiteral("rescatter"))) {
        const QString text = parser.value(QStringLiteral("rescatter"));
        const std::optional<std::uint64_t> seconds =
            text == QLatin1String("auto") ? kRescatterAuto : ParseSeed(text);
        if (!seconds || (*seconds > kMostRescatterSeconds && *seconds != kRescatterAuto)) {
            return {Refuse(QCoreApplication::translate(
                               "drelk::window::CommandLine",
                               "--rescatter %1 is not a whole number of seconds from 0 to %2")
                               .arg(Shown(text), QString::number(kMostRescatterSeconds))),
                    {}};
        }
        options.rescatter_seconds = *seconds;
    }
    return {std::nullopt, options};
}

} // namespace drelk::window
