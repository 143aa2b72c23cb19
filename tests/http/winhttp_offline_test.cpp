// SPDX-License-Identifier: GPL-3.0-or-later
// The user's "offline" switch is NetworkManager's NetworkingEnabled, asked on a private bus.
#include "http/winhttp_component.h"
#include "tests/http/winthread_test_util.h"
#include "tests/power/logind_mock.h"
#include "tests/support/scripted_server.h"

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

// With ShowGoOnlineMessage the transfer asks the network manager to switch networking on.
class GoOnline : public ::testing::TestWithParam<bool> {};

TEST_P(GoOnline, OnlyWhenTheComponentSaysSo) {
    const bool show = GetParam();
    if (const auto missing = test::LogindMock::MissingTools())
        GTEST_SKIP() << *missing;
    test::LogindMock bus(test::LogindMock::Setup::BusOnly);
    ASSERT_TRUE(bus.Ok()) << bus.Failure();
    setenv("DBUS_SYSTEM_BUS_ADDRESS", bus.Address().c_str(), 1);
    QProcess manager;
    manager.start("/usr/bin/python3", {"-m", "dbusmock", "--system", "--template", "networkmanager",
                                       "-p", R"({"NetworkingEnabled": false})"});
    TWinHTTP http;
    ASSERT_TRUE(test::ServeUntil([&] { return http.IsGlobalOffline(); }, 10000));
    test::ScriptedServer server([](const std::string&, int) {
        return test::Answer{{"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"}};
    });
    bool done = false;
    http.URL = server.Url("/x");
    http.ShowGoOnlineMessage = show;
    http.OnDone = [&](TComponent*, const std::string&, std::uint32_t, QIODevice*) { done = true; };
    ASSERT_TRUE(http.Read(false));
    EXPECT_TRUE(test::ServeUntil([&] { return done; }, 10000));
    EXPECT_EQ(http.IsGlobalOffline(), !show);
    manager.kill();
    manager.waitForFinished();
    unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

INSTANTIATE_TEST_SUITE_P(Shown, GoOnline, ::testing::Bool());

} // namespace
} // namespace quelmo
