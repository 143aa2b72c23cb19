// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the tray tests: a private X server and session bus first, then the application.
#include "tests/tray/desktop_session.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    setenv("TZ", "UTC", 0);
    tzset();
    quelmo::test::DesktopSession session;
    if (quelmo::test::DesktopSession::Missing())
        setenv("QT_QPA_PLATFORM", "offscreen", 1); // the tests skip themselves
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
