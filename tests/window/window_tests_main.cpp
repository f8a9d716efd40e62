// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The window tests share one Qt application for the whole run, made before the first test
// and named as the program names itself.

#include "window/program_end.h"
#include "window/program_identity.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as the build does to register them) needs no display.
    if (testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    drelk::window::DescribeProgram();
    QApplication app(argc, argv);
    app.setWindowIcon(drelk::window::ProgramIcon());
    const int status = RUN_ALL_TESTS();
    // Where taking Qt down could hang (Qt 6.4 on Wayland), this ends at once, as drelk does.
    drelk::window::EndProgram(status);
    return status;
}
