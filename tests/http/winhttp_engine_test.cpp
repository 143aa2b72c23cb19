// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer engine against well-behaved answers: what it sends, what it follows, what it
// reports on which thread, and its progress figures.
#include "http/winhttp.h"
#include "http/winhttp_transfer.h"
#include "tests/http/winthread_test_util.h"
#include "tests/support/scripted_server.h"

#include <gtest/gtest.h>

#include <mutex>
#include <set>

namespace quelmo {
namespace {

using test::Answer;

Answer Ok(const std::string& body, const std::string& extra = {}) {
    return {{"HTTP/1.1 200 OK\r\n" + extra + "Content-Length: " + std::to_string(body.size()) +
             "\r\n\r\n" + body}};
}

bool Has(const std::string& request, const std::string& text) {
    return request.find(text) != std::string::npos;
}

struct Engine {
    explicit Engine(std::function<Answer(const std::string&, int)> answer)
        : server(std::move(answer)) {
        http.URL = server.Url("/a");
        http.OnDone = [this](TComponent*, const std::string&, std::uint32_t, QIODevice* s) {
            body = StreamToString(s, true);
            ++done;
        };
        http.OnAnyError = [this](TComponent*) { ++errors; };
    }
    bool Finish() {
        return test::ServeUntil([this] { return done + errors > 0 && !http.Busy(); });
    }
    test::ScriptedServer server;
    TWinHTTP http;
    std::string body;
    int done = 0, errors = 0;
};

TEST(WinHTTPEngine, MultipartUploadIsSentInChunksWithProgress) {
    Engine e([](const std::string&, int) { return Ok("thanks"); });
    e.http.SetTransferBufferSize(1); // 255 at least
    std::vector<std::uint32_t> sent;
    e.http.OnUploadProgress = [&](TComponent*, std::uint32_t size, std::uint32_t bytes, int, int,
                                  std::uint8_t percents, float) {
        EXPECT_TRUE(test::OnGuiThread());
        sent.push_back(bytes);
        EXPECT_EQ(percents, static_cast<std::uint8_t>(bytes * 100.0 / size + 0.5));
    };
    ASSERT_TRUE(e.http.BeginPrepareUpload());
    e.http.UploadString("week", std::string(1000, 'x'));
    ASSERT_TRUE(e.http.EndPrepareUpload());
    ASSERT_TRUE(e.Finish());
    const std::string& bytes = e.http.UploadBody()->Bytes();
    ASSERT_EQ(e.server.Requests().size(), 1u);
    const std::string request = e.server.Requests()[0];
    EXPECT_EQ(request.rfind("POST /a HTTP/1.1\r\n", 0), 0u);
    EXPECT_TRUE(Has(request, e.http.MultipartHeader() + "\r\n"));
    EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4), bytes);
    ASSERT_EQ(sent.size(), (bytes.size() + 254) / 255);
    EXPECT_EQ(sent.back(), bytes.size());
    EXPECT_EQ(e.body, "thanks");
}

TEST(WinHTTPEngine, RequestLinesFollowTheProperties) {
    Engine e([](const std::string&, int) { return Ok("ok"); });
    e.http.POSTData = "a=1&b=2";
    e.http.AddHeaders = {"X-Fleet: 7"};
    e.http.Referer = "http://quelmo.invalid/";
    e.http.Range.StartRange = 5;
    ASSERT_TRUE(e.http.Read(true));
    TWinHTTPPragmaNoCache plain;
    plain.URL = e.server.Url("/b");
    ASSERT_TRUE(plain.Read(true));
    const auto requests = e.server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string& post = requests[0];
    EXPECT_EQ(post.rfind("POST /a HTTP/1.1\r\n", 0), 0u);
    for (const char* line :
         {"\r\nContent-Type: application/x-www-form-urlencoded\r\n", "\r\nX-Fleet: 7\r\n",
          "\r\nRANGE: bytes=5-\r\n", "\r\nReferer: http://quelmo.invalid/\r\n",
          "\r\nUser-Agent: Vormel component (quelmo.github.io)\r\n",
          "\r\nAccept: text/html, */*\r\n", "\r\n\r\na=1&b=2"})
        EXPECT_TRUE(Has(post, line)) << line;
    EXPECT_FALSE(Has(post, "no-cache"));
    EXPECT_EQ(requests[1].rfind("GET /b HTTP/1.1\r\n", 0), 0u);
    EXPECT_TRUE(Has(requests[1], "\r\nPragma: no-cache\r\n"));
    EXPECT_TRUE(Has(requests[1], "\r\nCache-Control: no-cache\r\n"));
}

TEST(WinHTTPEngine, RedirectsAreFollowedWithCookiesAndReportedOnTheWorker) {
    Engine e([](const std::string&, int index) -> Answer {
        if (index == 0)
            return {{"HTTP/1.1 302 Found\r\nLocation: /next\r\nSet-Cookie: fleet=7; Path=/\r\n"
                     "Content-Length: 0\r\n\r\n"}};
        return Ok("there");
    });
    std::mutex lock;
    std::set<unsigned> ids;
    std::string redirect;
    bool onWorker = true;
    e.http.OnStatusChanged = [&](TComponent*, unsigned id, const std::string& text) {
        std::lock_guard guard(lock);
        ids.insert(id);
        onWorker = onWorker && !test::OnGuiThread();
        EXPECT_EQ(text, winhttp::StatusText(static_cast<int>(id)));
    };
    e.http.OnRedirected = [&](TComponent*, const std::string& url) {
        std::lock_guard guard(lock);
        redirect = url;
    };
    ASSERT_TRUE(e.http.Read(true));
    EXPECT_EQ(e.body, "there");
    const auto requests = e.server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].rfind("GET /next HTTP/1.1\r\n", 0), 0u);
    EXPECT_TRUE(Has(requests[1], "\r\nCookie: fleet=7\r\n"));
    std::lock_guard guard(lock);
    EXPECT_EQ(redirect, e.server.Url("/next"));
    EXPECT_TRUE(onWorker);
    for (unsigned id : {20u, 21u, 30u, 31u, 40u, 41u, 60u, 70u, 100u, 110u})
        EXPECT_TRUE(ids.count(id)) << id;
}

TEST(WinHTTPEngine, APasswordGivenOnRequestIsSentAgain) {
    Engine e([](const std::string&, int index) -> Answer {
        if (index == 0)
            return {{"HTTP/1.1 401 No\r\nWWW-Authenticate: Basic realm=\"q\"\r\n"
                     "Content-Length: 0\r\n\r\n"}};
        return Ok("in");
    });
    e.http.OnPasswordRequest = [&](TComponent*, const std::string&, bool& tryAgain) {
        e.http.Username = "ann";
        e.http.Password = "pw";
        tryAgain = true;
    };
    ASSERT_TRUE(e.http.Read(true));
    EXPECT_EQ(e.body, "in");
    ASSERT_EQ(e.server.Requests().size(), 2u);
    EXPECT_TRUE(Has(e.server.Requests()[1], "\r\nAuthorization: Basic YW5uOnB3\r\n"));
}

TEST(WinHTTPEngine, ABusyComponentRefusesAndADestroyedOneFiresNothing) {
    std::vector<std::string> events;
    auto server = std::make_unique<test::ScriptedServer>([](const std::string&, int) {
        return Answer{
            {"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n" + std::string(50000, 'x'), 5000}};
    });
    auto http = std::make_unique<TWinHTTP>();
    http->URL = server->Url("/big");
    int progress = 0;
    http->OnProgress = [&](TComponent*, const std::string&, std::uint32_t, std::uint32_t, int, int,
                           std::uint8_t, float, QIODevice*) { ++progress; };
    http->OnAnyError = [&](TComponent*) { events.push_back("AnyError"); };
    http->OnConnLost = [&](TComponent*, const std::string&, std::uint32_t, std::uint32_t,
                           QIODevice*) { events.push_back("ConnLost"); };
    http->OnAborted = [&](TComponent*) { events.push_back("Aborted"); };
    ASSERT_TRUE(http->Read(false));
    ASSERT_TRUE(test::ServeUntil([&] { return progress > 0; }));
    EXPECT_FALSE(http->ReadRange(0, 0, false)) << "busy";
    EXPECT_FALSE(http->Read(false));
    http.reset();
    test::ServeUntil([] { return false; }, 300);
    EXPECT_TRUE(events.empty());
}

struct FigureRow {
    const char* name;
    std::uint32_t bytes, size, start;
    int elapsedMs;
    int percents, elapsed, left;
    float rate;
};

class ProgressFigures : public ::testing::TestWithParam<FigureRow> {};

TEST_P(ProgressFigures, AsTheEventsGetThem) {
    const FigureRow& r = GetParam();
    const winhttp::ProgressFigures f =
        winhttp::ComputeProgress(r.bytes, r.size, r.start, std::chrono::milliseconds(r.elapsedMs));
    EXPECT_EQ(f.percentsDone, r.percents);
    EXPECT_EQ(f.elapsedTime, r.elapsed);
    EXPECT_EQ(f.estimatedTimeLeft, r.left);
    EXPECT_FLOAT_EQ(f.transferRate, r.rate);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgressFigures,
    ::testing::Values(FigureRow{"FirstSecond", 512, 1024, 0, 999, 50, 0, 0, 0.5f},
                      FigureRow{"WithStartOffset", 1024, 2048, 1024, 2000, 67, 2, 2, 0.5f},
                      FigureRow{"HalfRoundsToEven", 1, 8, 0, 0, 12, 0, 0, 1 / 1024.0f},
                      FigureRow{"NoSizeKnown", 2048, 0, 0, 4000, 0, 4, -4, 0.5f}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo
