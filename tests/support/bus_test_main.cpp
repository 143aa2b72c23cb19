// Entry of the test programs that need a session bus: a private one, then the application on
// the offscreen platform.
#include "tests/support/session_bus.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TZ", "UTC", 0);
    tzset();
    quelmo::test::PrivateSessionBus bus;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
