// The blocking fetch against a real server on 127.0.0.1.
#include "http/winhttp.h"
#include "tests/support/http_server.h"
#include "tests/support/scripted_server.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace quelmo {
namespace {

class FetchTest : public ::testing::Test {
protected:
    test::LocalHttpServer server;
    std::string Url(const std::string& path) const {
        return "http://" + server.HostAndPort() + path;
    }
};

TEST_F(FetchTest, ReturnsTheBodyOfASuccessfulAnswer) {
    server.SetAnswer(200, std::string("line one\r\nline two\0three", 24));
    EXPECT_EQ(HTTPReadString(Url("/a.db?x=1,&y=2"), 900),
              std::string("line one\r\nline two\0three", 24));
    ASSERT_EQ(server.Targets().size(), 1u);
    EXPECT_EQ(server.Targets()[0], "/a.db?x=1,&y=2");
}

TEST_F(FetchTest, EveryFailureIsAnEmptyText) {
    EXPECT_EQ(HTTPReadString("", 900), "");
    EXPECT_TRUE(server.Targets().empty()) << "an empty URL is never fetched";
    server.SetAnswer(404, "not here");
    EXPECT_EQ(HTTPReadString(Url("/missing"), 900), "");
    server.SetAnswer(500, "broken");
    EXPECT_EQ(HTTPReadString(Url("/broken"), 900), "");
    EXPECT_EQ(HTTPReadString("http://127.0.0.1:9/closed", 900), "");
    EXPECT_EQ(HTTPReadString("ftp://127.0.0.1/other-scheme", 900), "");
}

TEST_F(FetchTest, AnAnswerLaterThanTheTimeoutIsDropped) {
    server.SetDelay(1500);
    EXPECT_EQ(HTTPReadString(Url("/slow"), 200), "");
}

TEST_F(FetchTest, EventsAreServedWhileItWaits) {
    server.SetDelay(300);
    int fired = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start(20);
    EXPECT_EQ(HTTPReadString(Url("/slow"), 3000), "ok");
    EXPECT_GT(fired, 3);
}

TEST_F(FetchTest, AUrlWithoutSchemeIsHttp) {
    server.SetAnswer(200, "plain");
    EXPECT_EQ(HTTPReadString(server.HostAndPort() + "/a", 900), "plain");
}

TEST_F(FetchTest, TimeoutZeroWaitsAsLongAsItTakes) {
    server.SetDelay(1200);
    EXPECT_EQ(HTTPReadString(Url("/slow"), 0), "ok");
}

// The tick's case: a timer re-armed first thing by its handler, which fetches from a slow
// server, is entered again while its own call still runs.
TEST_F(FetchTest, ATimerReentersItsHandlerDuringTheCall) {
    server.SetDelay(2500);
    int depth = 0, nested = 0, calls = 0;
    std::string result;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        timer.start(1000);
        if (depth > 0) {
            ++nested;
            return;
        }
        ++depth;
        result = HTTPReadString(Url("/slow"), 5000);
        --depth;
        ++calls;
    });
    timer.start(1000);
    while (calls == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(result, "ok");
    EXPECT_GE(nested, 1);
}

// Four pieces 400 ms apart: each network step is within the 900 ms, but the wait ends after
// 900 ms without an event for the caller unless events keep coming.
TEST(FetchQuietTime, EventsProlongTheWaitPastTheTimeout) {
    test::ScriptedServer server([](const std::string&, int) {
        return test::Answer{
            {"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\na", 400}, {"b", 400}, {"c", 400}, {"d"}};
    });
    QTimer ticks;
    ticks.start(100);
    EXPECT_EQ(HTTPReadString(server.Url("/trickle"), 900), "abcd");
    ticks.stop();
    EXPECT_EQ(HTTPReadString(server.Url("/trickle"), 900), "");
}

// A tick that runs a nested fetch of about 750 ms while the outer one waits for a slow
// three-byte answer: the outer quiet time goes off inside the tick, but it counts only from the
// end of the tick's handler, so the outer fetch still gets its answer.
TEST(FetchQuietTime, ALongHandlerDoesNotCutTheOuterWaitShort) {
    test::ScriptedServer slow([](const std::string&, int) {
        return test::Answer{
            {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\na", 600}, {"b", 600}, {"c"}};
    });
    test::ScriptedServer report([](const std::string&, int) {
        return test::Answer{{"", 750}, {"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"}};
    });
    bool ticked = false;
    QTimer tick;
    tick.setSingleShot(true);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        HTTPReadString(report.Url("/report"), 900);
        ticked = true;
    });
    tick.start(300);
    EXPECT_EQ(HTTPReadString(slow.Url("/cfg.db"), 900), "abc");
    EXPECT_TRUE(ticked);
}

struct BrokenRow {
    const char* name;
    std::string answer;
    std::string expected;
};

class FetchBroken : public ::testing::TestWithParam<BrokenRow> {};

TEST_P(FetchBroken, GivesWhatThePartSays) {
    test::ScriptedServer server(
        [](const std::string&, int) { return test::Answer{{GetParam().answer}}; });
    EXPECT_EQ(HTTPReadString(server.Url("/x"), 900), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FetchBroken,
    ::testing::Values(
        BrokenRow{"ChunkedDropReturnsWhatArrived",
                  "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nWeek\r\n", "Week"},
        BrokenRow{"DropBeforeContentLengthIsEmpty",
                  "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nWeek", ""},
        BrokenRow{"CloseDelimitedBodyIsWhole", "HTTP/1.0 200 OK\r\n\r\nMon=1", "Mon=1"},
        BrokenRow{"PartialContentCounts",
                  "HTTP/1.1 206 Partial Content\r\nContent-Length: 2\r\n\r\nok", "ok"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo
