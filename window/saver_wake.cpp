// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/saver_wake.h"

#include "window/exit_status.h"
#include "window/program_end.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace drelk::window {
namespace {

// Watches the saver's events for the first sign of a user.
class StirWatch final : public QObject {
public:
    explicit StirWatch(QWidget& saver) : QObject(&saver), pointer_(QCursor::pos()) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
            Stirred();
            return true;
        case QEvent::MouseMove:
            // Being where it was when the saver came is no movement; X reports the pointer
            // entering the new window as one.
            if (static_cast<QMouseEvent*>(event)->globalPosition().toPoint() != pointer_) {
                Stirred();
            }
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    void Stirred()
    {
        if (!stirred_) {
            stirred_ = true;
            EndProgram(kExitOk);
        }
    }

    QPoint pointer_;
    bool stirred_ = false;
};

} // namespace

void EndAtFirstStir(QWidget& saver)
{
    saver.installEventFilter(new StirWatch(saver));
    saver.setCursor(Qt::BlankCursor);
    saver.setMouseTracking(true);
    saver.setAttribute(Qt::WA_AcceptTouchEvents);
    // Left alone by the window manager, the window never has the focus: it holds the keyboard
    // and the pointer instead, as it is shown.
    saver.grabKeyboard();
    saver.grabMouse();
}

} // namespace drelk::window
