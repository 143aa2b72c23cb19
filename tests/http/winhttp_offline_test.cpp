// SPDX-License-Identifier: GPL-3.0-or-later
// The user's "offline" switch is NetworkManager's NetworkingEnabled, asked on a private bus.
#include "http/winhttp_component.h"
#include "tests/http/winthread_test_util.h"
#include "tests/power/logind_mock.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <cstdlib>

namespace quelmo {
namespace {

TEST(WinHTTPOffline, NetworkingSwitchedOffIsOfflineAndNoManagerIsNot) {
    if (const auto missing = test::LogindMock::MissingTools())
        GTEST_SKIP() << *missing;
    test::LogindMock bus(test::LogindMock::Setup::BusOnly);
    ASSERT_TRUE(bus.Ok()) << bus.Failure();
    setenv("DBUS_SYSTEM_BUS_ADDRESS", bus.Address().c_str(), 1);
    TWinHTTP http;
    EXPECT_FALSE(http.IsGlobalOffline()) << "nobody to ask";
    QProcess manager;
    manager.start("/usr/bin/python3", {"-m", "dbusmock", "--system", "--template", "networkmanager",
                                       "-p", R"({"NetworkingEnabled": false})"});
    EXPECT_TRUE(test::ServeUntil([&] { return http.IsGlobalOffline(); }, 10000));
    manager.kill();
    manager.waitForFinished();
    unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

} // namespace
} // namespace quelmo
