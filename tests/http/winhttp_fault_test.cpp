// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer engine against servers that misbehave: every row ends in exactly its outcome
// events, and nothing fires afterwards.
#include "http/winhttp.h"
#include "tests/http/winthread_test_util.h"
#include "tests/support/scripted_server.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quelmo {
namespace {

using test::Answer;

std::string Resource() {
    std::string bytes(10000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
}

// The status line and headers, a blank line and the body.
std::string Reply(const std::string& head, const std::string& body = {}) {
    return "HTTP/1.1 " + head + "\r\n\r\n" + body;
}

// 206 from the range's start when there is one (with `acceptRanges`), else 200 with it all.
Answer Ranged(const std::string& request, bool acceptRanges = true) {
    const std::string all = Resource();
    const std::size_t at = request.find("bytes=");
    const std::string ranges = acceptRanges ? "\r\nAccept-Ranges: bytes" : "";
    if (at == std::string::npos || !acceptRanges)
        return {{Reply("200 OK\r\nContent-Length: 10000" + ranges, all)}};
    const std::size_t start = std::stoul(request.substr(at + 6));
    return {
        {Reply("206 Partial Content\r\nContent-Length: " + std::to_string(10000 - start) + ranges,
               all.substr(start))}};
}

// The first 6000 bytes of the resource, then a long stall.
Answer Stalling() {
    return {{Reply("200 OK\r\nAccept-Ranges: bytes\r\nContent-Length: 10000",
                   Resource().substr(0, 6000)),
             5000}};
}

struct Fixture {
    explicit Fixture(std::function<Answer(const std::string&, int)> answer)
        : server(std::move(answer)), output(dir.filePath("out.bin").toStdString()) {
        http.URL = server.Url("/file.bin");
        http.Timeouts.ReceiveTimeout = 400;
        auto note = [this](std::string event) { events.push_back(std::move(event)); };
        http.OnDone = [this, note](TComponent*, const std::string&, std::uint32_t size,
                                   QIODevice* s) {
            doneSize = size;
            body = StreamToString(s, true);
            note("Done");
        };
        http.OnConnLost = [note](TComponent*, const std::string&, std::uint32_t, std::uint32_t,
                                 QIODevice*) { note("ConnLost"); };
        http.OnHTTPError = [this, note](TComponent*, int code, QIODevice* s) {
            body = StreamToString(s, true);
            note("HTTPError " + std::to_string(code));
        };
        http.OnHostUnreachable = [note](TComponent*) { note("HostUnreachable"); };
        http.OnAnyError = [note](TComponent*) { note("AnyError"); };
        http.OnAborted = [note](TComponent*) { note("Aborted"); };
        http.OnDoneInterrupted = [note](TComponent*) { note("DoneInterrupted"); };
        http.OnOutputFileError = [note](TComponent*) { note("OutputFileError"); };
        http.OnUploadCGITimeoutFailed = [note](TComponent*) { note("UploadCGITimeoutFailed"); };
        http.OnWaitTimeoutExpired = [note](TComponent*, bool&) { note("WaitTimeoutExpired"); };
        http.OnRedirected = [this](TComponent*, const std::string&) { ++redirects; };
        http.OnProgress = [this](TComponent*, const std::string&, std::uint32_t, std::uint32_t, int,
                                 int, std::uint8_t, float, QIODevice*) { ++progress; };
    }
    std::string FileBytes() const {
        QFile file(QString::fromStdString(output));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }
    void WriteFile(const std::string& bytes) const {
        QFile file(QString::fromStdString(output));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    test::ScriptedServer server;
    QTemporaryDir dir;
    std::string output;
    TWinHTTP http;
    std::vector<std::string> events;
    std::string body;
    std::uint32_t doneSize = 0;
    int redirects = 0, progress = 0, passwordRequests = 0;
    std::atomic<bool> handlesClosed{false};
};

// The server to another host (the same one, named differently) after the first request; there
// it asks for credentials.
Answer ElsewhereWithPassword(const std::string& request, int index) {
    if (index == 0) {
        const std::size_t at = request.find("Host: 127.0.0.1:");
        const std::string port = request.substr(at + 16, request.find("\r\n", at) - at - 16);
        return {{Reply("302 Found\r\nLocation: http://localhost:" + port +
                       "/moved.bin\r\nContent-Length: 0")}};
    }
    if (request.find("Authorization: Basic YW5uOnNlY3JldA==") != std::string::npos)
        return {{Reply("200 OK\r\nContent-Length: 2", "ok")}};
    return {{Reply("401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"fleet\"\r\n"
                   "Content-Length: 2",
                   "no")}};
}

// Starts a download into the output file and lets its worker finish the body without serving
// events, so that the end of the transfer waits; then aborts.
void AbortBeforeTheEnd(Fixture& f, bool immediately) {
    f.http.OnProgress = nullptr; // its marshalled call would hold the worker in the body
    f.http.OnStatusChanged = [&f](TComponent*, unsigned id, const std::string&) {
        if (id == 70)
            f.handlesClosed = true;
    };
    ASSERT_TRUE(f.http.Read(false));
    for (int i = 0; i < 1000 && !f.handlesClosed; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_TRUE(QFile::exists(QString::fromStdString(f.output)));
    f.http.Abort(true, immediately);
    if (immediately) {
        EXPECT_EQ(f.FileBytes(), "<missing>");
    }
}

struct FaultRow {
    const char* name;
    std::function<Answer(const std::string& request, int index)> answer;
    std::vector<std::string> expected;
    // Before the transfer; the default starts a plain read.
    std::function<void(Fixture&)> setUp = [](Fixture&) {};
    std::function<void(Fixture&)> run = [](Fixture& f) { ASSERT_TRUE(f.http.Read(false)); };
    std::function<void(Fixture&)> check = [](Fixture&) {};
};

void PrintTo(const FaultRow& row, std::ostream* out) {
    *out << row.name;
}

class FaultMatrix : public ::testing::TestWithParam<FaultRow> {};

TEST_P(FaultMatrix, EndsInItsOutcomeAndNothingAfter) {
    const FaultRow& row = GetParam();
    std::vector<std::string> events;
    {
        Fixture f(row.answer);
        row.setUp(f);
        row.run(f);
        const std::size_t count = row.expected.size();
        EXPECT_TRUE(test::ServeUntil([&] { return f.events.size() >= count; }, 15000));
        test::ServeUntil([] { return false; }, 300); // anything that would still come
        EXPECT_FALSE(f.http.Busy());
        row.check(f);
        events = f.events;
    }
    test::ServeUntil([] { return false; }, 50);
    EXPECT_EQ(events, row.expected);
}

const std::string kRange = "RANGE: bytes=";

INSTANTIATE_TEST_SUITE_P(
    Rows, FaultMatrix,
    ::testing::Values(
        FaultRow{
            "DropMidBodyWithLength",
            [](auto&, int) { return Answer{{Reply("200 OK\r\nContent-Length: 100", "part")}}; },
            {"ConnLost", "AnyError"}},
        FaultRow{"DropMidChunkedBodyKeepsWhatCame",
                 [](auto&, int) {
                     return Answer{
                         {Reply("200 OK\r\nTransfer-Encoding: chunked", "5\r\nhello\r\n")}};
                 },
                 {"Done"},
                 [](Fixture&) {},
                 [](Fixture& f) { ASSERT_TRUE(f.http.Read(false)); },
                 [](Fixture& f) { EXPECT_EQ(f.body, "hello"); }},
        FaultRow{"StallBeforeTheStatus",
                 [](auto&, int) {
                     return Answer{{"", 3000}};
                 },
                 {"HostUnreachable", "AnyError"}},
        FaultRow{"StallMidBody",
                 [](auto&, int) {
                     return Answer{{Reply("200 OK\r\nContent-Length: 100", "ten bytes!"), 3000}};
                 },
                 {"ConnLost", "AnyError"}},
        FaultRow{"GarbageStatusLine",
                 [](auto&, int) { return Answer{{"GARBAGE\r\n\r\nmore garbage"}}; },
                 {"HostUnreachable", "AnyError"}},
        FaultRow{"OneMegabyteHeader",
                 [](auto&, int) {
                     return Answer{{Reply("200 OK\r\nX-Big: " + std::string(1 << 20, 'a'), "x")}};
                 },
                 {"HostUnreachable", "AnyError"}},
        FaultRow{"RedirectLoopEndsAsTheRedirect",
                 [](auto&, int) {
                     return Answer{{Reply("302 Found\r\nLocation: /again\r\nContent-Length: 0")}};
                 },
                 {"HTTPError 302", "AnyError"},
                 [](Fixture&) {},
                 [](Fixture& f) { ASSERT_TRUE(f.http.Read(false)); },
                 [](Fixture& f) { EXPECT_EQ(f.redirects, 20); }},
        FaultRow{"RedirectToFileIsNotFollowed",
                 [](auto&, int) {
                     return Answer{{Reply("302 Found\r\nLocation: file:///etc/passwd\r\n"
                                          "Content-Length: 0")}};
                 },
                 {"HTTPError 302", "AnyError"},
                 [](Fixture&) {},
                 [](Fixture& f) { ASSERT_TRUE(f.http.Read(false)); },
                 [](Fixture& f) { EXPECT_EQ(f.server.Requests().size(), 1u); }},
        FaultRow{"RedirectToFtpIsNotFollowed",
                 [](auto&, int) {
                     return Answer{{Reply("301 Moved\r\nLocation: ftp://127.0.0.1/x\r\n"
                                          "Content-Length: 0")}};
                 },
                 {"HTTPError 301", "AnyError"}},
        FaultRow{"PasswordForAnotherHostAfterARedirectIsSent",
                 ElsewhereWithPassword,
                 {"Done"},
                 [](Fixture& f) {
                     f.http.OnPasswordRequest = [&f](TComponent*, const std::string&,
                                                     bool& tryAgain) {
                         ++f.passwordRequests;
                         f.http.Username = "ann";
                         f.http.Password = "secret";
                         tryAgain = true;
                     };
                 },
                 [](Fixture& f) { ASSERT_TRUE(f.http.Read(false)); },
                 [](Fixture& f) {
                     EXPECT_EQ(f.passwordRequests, 1);
                     EXPECT_EQ(f.body, "ok");
                 }},
        FaultRow{"PasswordLoopGivesUp",
                 [](auto&, int) {
                     return Answer{{Reply("401 Unauthorized\r\nWWW-Authenticate: Basic "
                                          "realm=\"fleet\"\r\nContent-Length: 2",
                                          "no")}};
                 },
                 {"HTTPError 401", "AnyError"},
                 [](Fixture& f) {
                     f.http.OnPasswordRequest = [&f](TComponent*, const std::string& realm,
                                                     bool& tryAgain) {
                         EXPECT_EQ(realm, "fleet");
                         ++f.passwordRequests;
                         f.http.Username = "ann";
                         f.http.Password = "secret";
                         tryAgain = true;
                     };
                 },
                 [](Fixture& f) { ASSERT_TRUE(f.http.Read(false)); },
                 [](Fixture& f) {
                     EXPECT_EQ(f.passwordRequests, 4);
                     EXPECT_EQ(f.body, "no");
                     const auto requests = f.server.Requests();
                     ASSERT_EQ(requests.size(), 4u);
                     EXPECT_EQ(requests[0].find("Authorization:"), std::string::npos);
                     EXPECT_NE(requests[1].find("Authorization: Basic YW5uOnNlY3JldA=="),
                               std::string::npos);
                 }},
        FaultRow{"NotFoundKeepsItsPage",
                 [](auto&, int) {
                     return Answer{{Reply("404 Not Found\r\nContent-Length: 4", "gone")}};
                 },
                 {"HTTPError 404", "AnyError"},
                 [](Fixture& f) { f.http.OutputFileName = f.output; },
                 [](Fixture& f) { ASSERT_TRUE(f.http.Read(false)); },
                 [](Fixture& f) {
                     EXPECT_EQ(f.body, "gone");
                     EXPECT_EQ(f.FileBytes(), "<missing>") << "only 200 and 206 open the file";
                 }},
        FaultRow{"BadChunkedEncodingKeepsWhatCame",
                 [](auto&, int) {
                     return Answer{
                         {Reply("200 OK\r\nTransfer-Encoding: chunked", "3\r\nabc\r\nZZ\r\nxyz")}};
                 },
                 {"Done"},
                 [](Fixture&) {},
                 [](Fixture& f) { ASSERT_TRUE(f.http.Read(false)); },
                 [](Fixture& f) { EXPECT_EQ(f.body, "abc"); }},
        FaultRow{"RangeNotSatisfiableRestartsTheFile",
                 [](const std::string& request, int index) {
                     if (index == 0)
                         return Answer{{Reply("416 Range Not Satisfiable\r\nContent-Length: 0")}};
                     if (index == 1) // the same request from 0: not the length on disk
                         return Answer{{Reply("200 OK\r\nContent-Length: 10000", Resource())}};
                     return Ranged(request);
                 },
                 {"Done"},
                 [](Fixture& f) {
                     f.http.OutputFileName = f.output;
                     f.WriteFile(std::string(5000, 'x'));
                 },
                 [](Fixture& f) { ASSERT_TRUE(f.http.Resume()); },
                 [](Fixture& f) {
                     const auto requests = f.server.Requests();
                     ASSERT_EQ(requests.size(), 3u);
                     EXPECT_NE(requests[0].find(kRange + "904-\r\n"), std::string::npos);
                     EXPECT_NE(requests[1].find(kRange + "0-\r\n"), std::string::npos);
                     EXPECT_EQ(requests[2].find(kRange), std::string::npos);
                     EXPECT_TRUE(f.FileBytes() == Resource()) << f.FileBytes().size();
                 }},
        FaultRow{"ResumeWhoseCheckMatchesAppends",
                 [](const std::string& request, int) { return Ranged(request); },
                 {"Done"},
                 [](Fixture& f) {
                     f.http.OutputFileName = f.output;
                     f.WriteFile(Resource().substr(0, 5000));
                 },
                 [](Fixture& f) { ASSERT_TRUE(f.http.Resume()); },
                 [](Fixture& f) {
                     EXPECT_EQ(f.server.Requests().size(), 1u);
                     EXPECT_EQ(f.doneSize, 10000u);
                     EXPECT_TRUE(f.FileBytes() == Resource()) << f.FileBytes().size();
                 }},
        FaultRow{"ResumeWhoseCheckDiffersStartsOver",
                 [](const std::string& request, int) { return Ranged(request); },
                 {"Done"},
                 [](Fixture& f) {
                     f.http.OutputFileName = f.output;
                     std::string stale = Resource().substr(0, 5000);
                     stale[2000] ^= 1;
                     f.WriteFile(stale);
                 },
                 [](Fixture& f) { ASSERT_TRUE(f.http.Resume()); },
                 [](Fixture& f) {
                     EXPECT_EQ(f.server.Requests().size(), 2u);
                     EXPECT_TRUE(f.FileBytes() == Resource()) << f.FileBytes().size();
                 }},
        FaultRow{
            "NoAcceptRangesStartsOver",
            [](const std::string& request, int) { return Ranged(request, false); },
            {"Done"},
            [](Fixture& f) {
                f.http.OutputFileName = f.output;
                f.WriteFile(std::string(5000, 'x'));
            },
            [](Fixture& f) { ASSERT_TRUE(f.http.Resume()); },
            [](Fixture& f) { EXPECT_TRUE(f.FileBytes() == Resource()) << f.FileBytes().size(); }},
        FaultRow{"AbortAtOnceDuringTheBodyDeletesTheFile",
                 [](auto&, int) { return Stalling(); },
                 {"Aborted"},
                 [](Fixture& f) { f.http.OutputFileName = f.output; },
                 [](Fixture& f) {
                     ASSERT_TRUE(f.http.Read(false));
                     ASSERT_TRUE(test::ServeUntil([&] { return f.progress > 0; }));
                     f.http.Abort(true, true);
                     EXPECT_EQ(f.events, std::vector<std::string>{"Aborted"});
                     EXPECT_EQ(f.FileBytes(), "<missing>");
                 }},
        FaultRow{"AbortAtOnceAfterTheBodyDeletesTheFile",
                 [](auto&, int) { return Answer{{Reply("200 OK\r\nContent-Length: 4", "body")}}; },
                 {"Aborted"},
                 [](Fixture& f) { f.http.OutputFileName = f.output; },
                 [](Fixture& f) { AbortBeforeTheEnd(f, true); },
                 [](Fixture& f) { EXPECT_EQ(f.FileBytes(), "<missing>"); }},
        FaultRow{"AbortLaterAfterTheBodyDeletesTheFile",
                 [](auto&, int) { return Answer{{Reply("200 OK\r\nContent-Length: 4", "body")}}; },
                 {"Aborted"},
                 [](Fixture& f) { f.http.OutputFileName = f.output; },
                 [](Fixture& f) { AbortBeforeTheEnd(f, false); },
                 [](Fixture& f) { EXPECT_EQ(f.FileBytes(), "<missing>"); }},
        FaultRow{
            "PauseThenResumeCompletesTheFile",
            [](const std::string& request, int index) {
                return index == 0 ? Stalling() : Ranged(request);
            },
            {"Aborted", "Done"},
            [](Fixture& f) { f.http.OutputFileName = f.output; },
            [](Fixture& f) {
                ASSERT_TRUE(f.http.Read(false));
                ASSERT_TRUE(test::ServeUntil([&] { return f.progress > 0; }));
                f.http.Pause();
                ASSERT_TRUE(test::ServeUntil([&] { return !f.events.empty(); }));
                EXPECT_GE(f.FileBytes().size(), 4096u);
                ASSERT_TRUE(f.http.Resume());
            },
            [](Fixture& f) { EXPECT_TRUE(f.FileBytes() == Resource()) << f.FileBytes().size(); }},
        FaultRow{"HeaderInfoRefusalEndsWithoutBody",
                 [](auto&, int) { return Answer{{Reply("200 OK\r\nContent-Length: 4", "body")}}; },
                 {"DoneInterrupted"},
                 [](Fixture& f) {
                     f.http.OnHeaderInfo = [](TComponent*, int status, const std::string& raw,
                                              const std::string& type, const std::string&,
                                              const std::string&, std::uint32_t length,
                                              const std::string&, DayCount, DayCount, DayCount,
                                              const std::string&, bool& continueDownload) {
                         EXPECT_EQ(status, 200);
                         EXPECT_EQ(raw, "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n");
                         EXPECT_EQ(type, "");
                         EXPECT_EQ(length, 4u);
                         continueDownload = false;
                     };
                 }},
        FaultRow{"WaitTimeOutAbandonsTheTransfer",
                 [](auto&, int) {
                     return Answer{{"", 3000}};
                 },
                 {"WaitTimeoutExpired"},
                 [](Fixture& f) {
                     f.http.Timeouts.ReceiveTimeout = 5000;
                     f.http.SetWaitThread(true);
                     f.http.SetWaitTimeout(300);
                 },
                 [](Fixture& f) { EXPECT_FALSE(f.http.Read(false)); }},
        FaultRow{"FileUrlOfAMissingFile",
                 [](auto&, int) { return Answer{}; },
                 {"HTTPError 404", "AnyError"},
                 [](Fixture& f) { f.http.URL = "file://" + f.output + ".missing"; }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo
