// The blocking fetch against a real server on 127.0.0.1.
#include "http/winhttp.h"
#include "tests/support/http_server.h"

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

} // namespace
} // namespace quelmo
