// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/display_opening.h"

#include "translations/catalogues.h"
#include "window/exit_status.h"
#include "window/program_end.h"
#include "window/user_message.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace drelk::window {
namespace {

// One message that Qt sent while the display was being opened.
struct HeldMessage {
    QtMsgType type;
    std::string category, file, function;
    int line;
    QString text;
};

struct Holding {
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> messages;
    std::FILE* captured = nullptr; // standard error, meanwhile
    int saved_stderr = -1;
    QString display_option;
};

Holding* holding = nullptr;

void GiveBackStandardError()
{
    if (holding->saved_stderr < 0) {
        return;
    }
    std::fflush(stderr);
    dup2(holding->saved_stderr, STDERR_FILENO);
    close(holding->saved_stderr);
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        holding->messages.push_back({type, context.category ? context.category : "",
                                     context.file ? context.file : "",
                                     context.function ? context.function : "", context.line, text});
        return;
    }
    QString held;
    for (const HeldMessage& message : holding->messages) {
        held += QString::fromStdString(message.category) + QStringLiteral(": ") + message.text +
                QLatin1Char('\n');
    }
    held += QStringLiteral("fatal: ") + text;
    GiveBackStandardError();
    // The application object is still being made, but it already takes the catalogues: Qt
    // sets the instance before it loads the platform plugin (checked with Qt 6.4.2).
    InstallCatalogues();
    TellUser(DisplayFailure(held, holding->display_option));
    // Qt would abort next; the program has not started, so there is nothing to clean up.
    EndProgram(kExitUsage);
}

// Where a platform would have shown the window, for the message.
QString Target(const QString& platform, const QString& display_option)
{
    if (platform == QLatin1String("xcb")) {
        const QString display =
            display_option.isEmpty() ? qEnvironmentVariable("DISPLAY") : display_option;
        return display.isEmpty()
                   ? DisplayOpening::tr("no X display (DISPLAY is not set)")
                   : DisplayOpening::tr("cannot open the X display %1").arg(Shown(display));
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
        return display.isEmpty()
                   ? DisplayOpening::tr("cannot reach the Wayland display 'wayland-0' "
                                        "(WAYLAND_DISPLAY is not set)")
                   : DisplayOpening::tr("cannot reach the Wayland display %1").arg(Shown(display));
    }
    return DisplayOpening::tr("it could not be started");
}

} // namespace

QString DisplayFailure(const QString& held, const QString& display_option)
{
    // Qt workaround, checked on Qt 6.4.2 and 6.8.2: Qt reports each platform it tried, in
    // order, in the category qt.qpa.plugin: "Could not find" an unknown one, "Could not
    // load" one that failed to start. It says so only in these words: no call tells what was
    // tried or why it failed. Where the words change, the line falls back to Qt's fatal
    // message.
    static const QRegularExpression tried(QStringLiteral(
        R"re(^qt\.qpa\.plugin: Could not (find|load) the Qt platform plugin "([^"]*)")re"));
    static const QRegularExpression available(
        QStringLiteral(R"re(Available platform plugins are: ([^\n]*)\.)re"));
    QStringList failures;
    for (const QString& line : held.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = tried.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        const QString platform = match.captured(2);
        QString why;
        if (match.captured(1) == QLatin1String("find")) {
            const QRegularExpressionMatch list = available.match(held);
            why = list.hasMatch() ? DisplayOpening::tr("no such platform plugin (there are: %1)")
                                        .arg(list.captured(1))
                                  : DisplayOpening::tr("no such platform plugin");
        } else {
            why = Target(platform, display_option);
        }
        failures << DisplayOpening::tr("%1: %2", "a platform plugin tried, and why it failed")
                        .arg(platform, why);
    }
    if (failures.isEmpty()) {
        return DisplayOpening::tr("cannot open a display: %1")
            .arg(held.section(QStringLiteral("fatal: "), -1).section(QLatin1Char('\n'), 0, 0));
    }
    return DisplayOpening::tr("cannot open a display: %1")
        .arg(failures.join(DisplayOpening::tr("; ", "between the platform plugins tried")));
}

// Qt workaround, checked on Qt 6.4.2 and 6.8.2: with no platform that starts, Qt calls
// qFatal, which aborts with a core dump after advising to reinstall the program.
DisplayOpening::DisplayOpening(const QString& display)
{
    holding = new Holding;
    holding->display_option = display;
    std::fflush(stderr);
    holding->captured = std::tmpfile();
    holding->saved_stderr = dup(STDERR_FILENO);
    if (holding->captured == nullptr || holding->saved_stderr < 0 ||
        dup2(fileno(holding->captured), STDERR_FILENO) < 0) {
        // Cannot hold standard error back: the messages still are.
        if (holding->saved_stderr >= 0) {
            close(holding->saved_stderr);
        }
        holding->saved_stderr = -1;
    }
    holding->previous = qInstallMessageHandler(Hold);
}

void DisplayOpening::Opened()
{
    if (holding == nullptr) {
        return;
    }
    qInstallMessageHandler(holding->previous);
    GiveBackStandardError();
    if (holding->captured != nullptr) {
        std::rewind(holding->captured);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, holding->captured)) > 0;) {
            std::fwrite(buffer, 1, n, stderr);
        }
        std::fclose(holding->captured);
    }
    for (const HeldMessage& message : holding->messages) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        holding->previous(message.type, context, message.text);
    }
    delete holding;
    holding = nullptr;
}

DisplayOpening::~DisplayOpening() { Opened(); }

} // namespace drelk::window
