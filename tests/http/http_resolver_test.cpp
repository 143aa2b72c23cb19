// SPDX-License-Identifier: GPL-3.0-or-later
// A name server that takes seconds to fail (the preloaded shim delays one host name) never
// holds up the GUI thread: the fetch ends within its time-out, the tick keeps coming, and a
// transfer stopped during the lookup lets go at once.
#include "http/winhttp.h"
#include "tests/http/winthread_test_util.h"

#include <QTimer>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>

namespace quelmo {
namespace {

constexpr const char* kSlowUrl = "http://slow-name.quelmo.test/cfg.db";

using Clock = std::chrono::steady_clock;
std::chrono::milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

// Without the shim every row would pass for the wrong reason: the name would fail at once. It is
// the first resolver after this program, which may hold the sanitizer's own in front of it.
TEST(SlowResolver, TheShimIsPreloaded) {
    Dl_info info{};
    ASSERT_NE(dladdr(dlsym(RTLD_NEXT, "getaddrinfo"), &info), 0);
    EXPECT_NE(std::strstr(info.dli_fname, "slow_resolver_shim"), nullptr) << info.dli_fname;
}

class FetchWithin : public ::testing::TestWithParam<int> {};

TEST_P(FetchWithin, TimeoutPlusATenthOfASecond) {
    const int timeout = GetParam();
    const auto start = Clock::now();
    EXPECT_EQ(HTTPReadString(kSlowUrl, timeout), "");
    EXPECT_LT(Since(start).count(), timeout + 100);
}

INSTANTIATE_TEST_SUITE_P(Timeouts, FetchWithin, ::testing::Values(300, 900));

// The usage report's case: a one-second tick that fetches each time.
TEST(SlowResolver, ATickThatFetchesKeepsComingEverySecond) {
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++ticks;
        HTTPReadString(kSlowUrl, 900);
    });
    tick.start(1000);
    test::ServeUntil([] { return false; }, 4600);
    tick.stop();
    EXPECT_GE(ticks, 4);
}

struct StopRow {
    const char* name;
    std::function<void(std::unique_ptr<TWinHTTP>&)> stop;
};

void PrintTo(const StopRow& row, std::ostream* out) {
    *out << row.name;
}

class StopDuringLookup : public ::testing::TestWithParam<StopRow> {};

TEST_P(StopDuringLookup, ReturnsAtOnceAndAbortsPromptly) {
    auto http = std::make_unique<TWinHTTP>();
    http->URL = kSlowUrl;
    std::atomic<bool> resolving{false};
    http->OnStatusChanged = [&](TComponent*, unsigned id, const std::string&) {
        if (id == 10)
            resolving = true;
    };
    int aborted = 0, other = 0;
    http->OnAborted = [&](TComponent*) { ++aborted; };
    http->OnAnyError = [&](TComponent*) { ++other; };
    http->OnDone = [&](TComponent*, const std::string&, std::uint32_t, QIODevice*) { ++other; };
    ASSERT_TRUE(http->Read(false));
    ASSERT_TRUE(test::ServeUntil([&] { return resolving.load(); }));
    test::ServeUntil([] { return false; }, 200);
    const auto start = Clock::now();
    GetParam().stop(http);
    EXPECT_LT(Since(start).count(), 250);
    if (http) {
        // An abort ends in OnAborted soon, not when the lookup is over.
        EXPECT_TRUE(test::ServeUntil([&] { return aborted > 0; }, 1500));
        EXPECT_EQ(aborted, 1);
        EXPECT_EQ(other, 0);
        EXPECT_FALSE(http->Busy());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, StopDuringLookup,
                         ::testing::Values(StopRow{"Destroyed", [](auto& http) { http.reset(); }},
                                           StopRow{"AbortedAtOnce",
                                                   [](auto& http) { http->Abort(false, true); }},
                                           StopRow{"AbortedAtItsNextCheck",
                                                   [](auto& http) { http->Abort(false, false); }}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo
