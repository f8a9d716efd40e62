// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "window/show_mode.h"

#include "flight/rescatter.h"
#include "window/exit_status.h"
#include "window/hive/hive.h"
#include "window/hive/hive_keys.h"
#include "window/program_end.h"
#include "window/saver_wake.h"
#include "window/user_message.h"
#include "window/x11/foreign_window.h"
#include "window/x11/own_window_watch.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPalette>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace drelk::window {
namespace {

const QString kFullScreen = QStringLiteral("fullscreen");
const QString kRoot = QStringLiteral("root");
const QString kWindowId = QStringLiteral("window-id");
const QString kSaver = QStringLiteral("saver");
const QString kOutput = QStringLiteral("output");

int Complain(const QString& message, int status)
{
    TellUser(message);
    return status;
}

enum class Stacking { BeneathAll, AboveAll };

// A window of our own covering the whole screen (all monitors), left alone by the window
// manager: kept beneath every other window, as the root window is, or above them all, as a
// screensaver is.
void CoverScreen(Hive& hive, Stacking stacking)
{
    const bool above = stacking == Stacking::AboveAll;
    hive.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                        (above ? Qt::WindowStaysOnTopHint : Qt::WindowStaysOnBottomHint));
    hive.SetFrameless(true);
    QScreen* screen = hive.screen();
    hive.setGeometry(screen->virtualGeometry());
    QObject::connect(screen, &QScreen::virtualGeometryChanged, &hive,
                     [&hive](const QRect& area) { hive.setGeometry(area); });
    hive.show();
    if (above) {
        hive.raise();
    } else {
        hive.lower();
    }
}

bool ForScreensaver(const ShowMode& mode)
{
    return mode.place == ShowMode::Place::Root || mode.place == ShowMode::Place::WindowId ||
           mode.place == ShowMode::Place::Saver;
}

// Whether the hive covers the whole screen rather than a window it is given.
bool CoversScreen(const ShowMode& mode) { return !mode.window || IsRootWindow(*mode.window); }

// Another program may destroy the hive's own window (on X11): then, as when a window it
// draws into goes, nothing is left to draw into and the program ends.
void EndWhenOwnWindowDestroyed(Hive& hive)
{
    if (const OwnWindowWatch* watch = OwnWindowWatch::Watch(hive)) {
        QObject::connect(watch, &OwnWindowWatch::Destroyed, &hive, [&hive](std::uint32_t id) {
            hive.SetPaused(true);
            TellUser(QCoreApplication::translate(
                         "ShowMode", "the hive's X window 0x%1 was destroyed by another program")
                         .arg(id, 0, 16));
            EndProgram(kExitNoWindow);
        });
    }
}

} // namespace

void DarkenForScreensaver(QWidget& hive)
{
    QPalette palette = hive.palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    hive.setPalette(palette);
}

std::optional<std::uint32_t> ParseWindowId(const QString& text)
{
    bool ok = false;
    const bool hex = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive);
    // Digits only: toULongLong alone would also take signs, spaces and octal.
    const QString digits = hex ? text.mid(2) : text;
    const QChar* bad = std::find_if(digits.begin(), digits.end(), [hex](QChar c) {
        return !(c.isDigit() || (hex && QStringLiteral("abcdefABCDEF").contains(c)));
    });
    if (digits.isEmpty() || digits.size() > 16 || bad != digits.end()) {
        return std::nullopt;
    }
    const qulonglong id = digits.toULongLong(&ok, hex ? 16 : 10);
    if (!ok || id == 0 || id > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(id);
}

void AddShowModeOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(
        kFullScreen, QCoreApplication::translate("ShowMode", "Start in full screen.")));
    parser.addOption(QCommandLineOption(
        kRoot,
        QCoreApplication::translate(
            "ShowMode", "Fill the window named by the XSCREENSAVER_WINDOW environment variable, as "
                        "screensavers do, or else the whole screen beneath all windows (on a "
                        "Wayland desktop, the background of every output).")));
    parser.addOption(QCommandLineOption(
        kSaver, QCoreApplication::translate(
                    "ShowMode", "Cover every screen above all windows, dark, until a key, a "
                                "button, a touch or the pointer moves; then end with status 0 "
                                "(for an idle daemon).")));
    parser.addOption(QCommandLineOption(
        kOutput,
        QCoreApplication::translate(
            "ShowMode", "With --root or --saver on a Wayland desktop: only the output <name>."),
        QStringLiteral("name")));
    parser.addOption(QCommandLineOption(
        kWindowId,
        QCoreApplication::translate(
            "ShowMode",
            "Fill the existing X window <id>, hexadecimal 0x... or decimal (X11 only)."),
        QStringLiteral("id")));
}

std::optional<int> ReadShowMode(const QCommandLineParser& parser, ShowMode& mode)
{
    // Screensaver settings preview a program by adding --window-id to its usual command
    // line, --root included: the window given wins.
    if (parser.isSet(kFullScreen) && (parser.isSet(kRoot) || parser.isSet(kWindowId))) {
        return Complain(QCoreApplication::translate(
                            "ShowMode", "--fullscreen cannot be used with --root or --window-id"),
                        kExitUsage);
    }
    if (parser.isSet(kSaver) && (parser.isSet(kFullScreen) || parser.isSet(kRoot))) {
        return Complain(QCoreApplication::translate(
                            "ShowMode", "--saver cannot be used with --fullscreen or --root"),
                        kExitUsage);
    }
    mode.output = parser.value(kOutput);
    if (parser.isSet(kOutput) &&
        (mode.output.isEmpty() || !(parser.isSet(kRoot) || parser.isSet(kSaver)) ||
         parser.isSet(kWindowId))) {
        return Complain(QCoreApplication::translate(
                            "ShowMode", "--output takes an output's name, with --root or --saver"),
                        kExitUsage);
    }
    if (parser.isSet(kFullScreen)) {
        mode.place = ShowMode::Place::FullScreen;
    } else if (parser.isSet(kWindowId)) {
        mode.place = ShowMode::Place::WindowId;
        const QString text = parser.value(kWindowId);
        mode.window = ParseWindowId(text);
        if (!mode.window) {
            return Complain(
                QCoreApplication::translate(
                    "ShowMode", "--window-id %1 is not an X window id (0x... or decimal)")
                    .arg(Shown(text)),
                kExitUsage);
        }
    } else if (parser.isSet(kSaver)) {
        mode.place = ShowMode::Place::Saver;
    } else if (parser.isSet(kRoot)) {
        mode.place = ShowMode::Place::Root;
        const QString text = qEnvironmentVariable("XSCREENSAVER_WINDOW");
        if (!text.isEmpty()) {
            mode.window = ParseWindowId(text);
            if (!mode.window) {
                return Complain(
                    QCoreApplication::translate(
                        "ShowMode",
                        "XSCREENSAVER_WINDOW is %1, not an X window id (0x... or decimal)")
                        .arg(Shown(text)),
                    kExitUsage);
            }
        }
    }
    return std::nullopt;
}

QSize FilledSize(const ShowMode& mode)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (mode.place == ShowMode::Place::Window || !screen) {
        return {};
    }
    if (mode.place == ShowMode::Place::FullScreen) {
        return screen->geometry().size();
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return {};
    }
    if (mode.place == ShowMode::Place::Saver || CoversScreen(mode)) {
        return screen->virtualGeometry().size();
    }
    // The X server speaks in device pixels, the hive in device-independent ones.
    const std::optional<QSize> size = XWindowSize(*mode.window);
    return size ? (QSizeF(*size) / screen->devicePixelRatio()).toSize() : QSize();
}

std::uint64_t DefaultRescatterSeconds(const ShowMode& mode)
{
    const bool own_window =
        mode.place == ShowMode::Place::Window || mode.place == ShowMode::Place::FullScreen;
    return own_window ? 0 : kRescatterAuto;
}

FaultReport FaultReportFor(const ShowMode& mode)
{
    FaultReport report;
    const bool for_screensaver = ForScreensaver(mode);
    report.tell = [for_screensaver](QWidget* parent, const QString& message) {
        TellUser(message);
        if (!for_screensaver) {
            QMessageBox::critical(parent, QCoreApplication::translate("FaultReport", "The Drelk"),
                                  message);
        }
    };
    report.end = [] { EndProgram(kExitFlightFault); };
    return report;
}

std::optional<int> ShowHive(Hive& hive, const ShowMode& mode)
{
    // The keys belong to the hive's own window; drawn into another, it never has the focus.
    switch (mode.place) {
    case ShowMode::Place::Window:
        new HiveKeys(hive);
        hive.show();
        EndWhenOwnWindowDestroyed(hive);
        return std::nullopt;
    case ShowMode::Place::FullScreen:
        new HiveKeys(hive);
        hive.showFullScreen();
        EndWhenOwnWindowDestroyed(hive);
        return std::nullopt;
    case ShowMode::Place::Root:
    case ShowMode::Place::WindowId:
    case ShowMode::Place::Saver:
        break;
    }
    const QString option = mode.place == ShowMode::Place::Root    ? QStringLiteral("--root")
                           : mode.place == ShowMode::Place::Saver ? QStringLiteral("--saver")
                                                                  : QStringLiteral("--window-id");
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        // --root and --saver reach here only off Wayland's layers: either would do.
        const QString why =
            mode.place == ShowMode::Place::WindowId
                ? QCoreApplication::translate("ShowMode",
                                              "%1 needs an X11 display, and this one is %2")
                : QCoreApplication::translate(
                      "ShowMode",
                      "%1 needs an X11 display or a Wayland desktop, and this one is %2");
        return Complain(why.arg(option, QGuiApplication::platformName()), kExitNoWindow);
    }
    if (!mode.output.isEmpty()) {
        return Complain(QCoreApplication::translate(
                            "ShowMode", "--output names an output of a Wayland desktop; on X11 "
                                        "the hive covers every screen"),
                        kExitUsage);
    }
    DarkenForScreensaver(hive);
    if (mode.place == ShowMode::Place::Saver) {
        CoverScreen(hive, Stacking::AboveAll);
        EndAtFirstStir(hive);
        EndWhenOwnWindowDestroyed(hive);
        return std::nullopt;
    }
    if (CoversScreen(mode)) {
        CoverScreen(hive, Stacking::BeneathAll);
        EndWhenOwnWindowDestroyed(hive);
        return std::nullopt;
    }
    hive.SetFrameless(true);
    QString why;
    const ForeignWindow* host = ForeignWindow::Embed(hive, *mode.window, why);
    if (!host) {
        return Complain(why, kExitNoWindow);
    }
    QObject::connect(host, &ForeignWindow::Gone, &hive, [&hive, id = host->Id()] {
        hive.SetPaused(true);
        TellUser(QCoreApplication::translate(
                     "ShowMode", "the X window 0x%1 that the hive was drawn into has gone")
                     .arg(id, 0, 16));
        EndProgram(kExitNoWindow);
    });
    return std::nullopt;
}

} // namespace drelk::window
