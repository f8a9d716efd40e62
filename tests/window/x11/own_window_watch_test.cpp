// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The end of a window, as the X server tells it: only the watched widget's own is reported.

#include "window/x11/own_window_watch.h"

#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

using drelk::window::OwnWindowWatch;

TEST(OwnWindowWatch, ReportsOnlyTheEndOfTheWidgetsOwnWindowOnce)
{
    QWidget widget;
    const auto own = static_cast<xcb_window_t>(widget.winId());
    ASSERT_NE(own, 0u);
    OwnWindowWatch watch(widget);
    QSignalSpy destroyed(&watch, &OwnWindowWatch::Destroyed);
    const auto feed = [&](xcb_window_t window) {
        xcb_destroy_notify_event_t event{};
        event.response_type = XCB_DESTROY_NOTIFY | 0x80; // as sent by another client
        event.event = window;
        event.window = window;
        qintptr result = 0;
        EXPECT_FALSE(watch.nativeEventFilter(QByteArrayLiteral("xcb_generic_event_t"), &event,
                                             &result)); // Qt hears of it too
    };
    feed(own + 1); // another window of drelk's, such as a dialog's
    EXPECT_EQ(destroyed.count(), 0);
    feed(own);
    feed(own);
    ASSERT_EQ(destroyed.count(), 1);
    EXPECT_EQ(destroyed.first().first().value<std::uint32_t>(), own);
}
