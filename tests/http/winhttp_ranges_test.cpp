// SPDX-License-Identifier: GPL-3.0-or-later
// Ranged reads against answers that disagree with what the caller holds: where a body belongs,
// and what the output file holds when the transfer says it is done.
#include "http/winhttp.h"
#include "tests/http/winthread_test_util.h"
#include "tests/support/scripted_server.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace quelmo {
namespace {

using test::Answer;

constexpr std::uint32_t kResume = 0xFFFFFFFFu; // Resume() instead of ReadRange

std::string Resource(std::size_t size = 10000) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
}

Answer Reply(const std::string& head, const std::string& body) {
    return {{"HTTP/1.1 " + head + "\r\nContent-Length: " + std::to_string(body.size()) +
             "\r\n\r\n" + body}};
}

// The start of the request's range, or nothing.
std::optional<std::size_t> RangeStart(const std::string& request) {
    const std::size_t at = request.find("bytes=");
    if (at == std::string::npos)
        return std::nullopt;
    return std::stoul(request.substr(at + 6));
}

// A server of `resource` that honours ranges with 206, naming Accept-Ranges or not.
auto Serving(std::string resource, bool acceptRanges) {
    return [resource, acceptRanges](const std::string& request, int) {
        const std::string ranges = acceptRanges ? "\r\nAccept-Ranges: bytes" : "";
        const std::optional<std::size_t> start = RangeStart(request);
        if (!start)
            return Reply("200 OK" + ranges, resource);
        if (*start >= resource.size())
            return Reply("416 Range Not Satisfiable", "");
        return Reply("206 Partial Content" + ranges, resource.substr(*start));
    };
}

struct RangeRow {
    const char* name;
    bool toFile;
    std::optional<std::string> onDisk; // the output file before the transfer
    std::uint32_t start;               // of ReadRange, or kResume
    std::function<Answer(const std::string& request, int index)> answer;
    std::string expected; // the file afterwards, or the body handed to OnDone
    std::uint32_t doneSize;
    std::vector<std::optional<std::size_t>> ranges; // each request's range start
};

void PrintTo(const RangeRow& row, std::ostream* out) {
    *out << row.name;
}

class RangedReads : public ::testing::TestWithParam<RangeRow> {};

TEST_P(RangedReads, EndDoneWithWhatTheServerHas) {
    const RangeRow& row = GetParam();
    test::ScriptedServer server(row.answer);
    QTemporaryDir dir;
    const QString output = dir.filePath("out.bin");
    if (row.onDisk) {
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.onDisk->data(), static_cast<qint64>(row.onDisk->size()));
    }
    TWinHTTP http;
    http.URL = server.Url("/file.bin");
    http.SetWaitThread(true); // Resume waits too
    if (row.toFile)
        http.OutputFileName = output.toStdString();
    std::vector<std::string> events;
    std::string body;
    std::uint32_t doneSize = 0;
    http.OnDone = [&](TComponent*, const std::string&, std::uint32_t size, QIODevice* stream) {
        events.push_back("Done");
        doneSize = size;
        body = StreamToString(stream, true);
    };
    http.OnAnyError = [&](TComponent*) { events.push_back("AnyError"); };
    if (row.start == kResume)
        ASSERT_TRUE(http.Resume());
    else
        ASSERT_TRUE(http.ReadRange(row.start, 0, true));
    ASSERT_TRUE(test::ServeUntil([&] { return !events.empty() && !http.Busy(); }));
    EXPECT_EQ(events, std::vector<std::string>{"Done"});
    EXPECT_EQ(doneSize, row.doneSize);
    if (row.toFile) {
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        body = file.readAll().toStdString();
    }
    EXPECT_EQ(body.size(), row.expected.size());
    EXPECT_TRUE(body == row.expected);
    std::vector<std::optional<std::size_t>> ranges;
    for (const std::string& request : server.Requests())
        ranges.push_back(RangeStart(request));
    EXPECT_EQ(ranges, row.ranges);
}

const std::string kAll = Resource();

INSTANTIATE_TEST_SUITE_P(
    Rows, RangedReads,
    ::testing::Values(RangeRow{"PartialAnswerWithoutAcceptRangesContinuesTheFile",
                               true,
                               kAll.substr(0, 6000),
                               kResume,
                               Serving(kAll, false),
                               kAll,
                               10000,
                               {1904}},
                      RangeRow{"WholeAnswerToAResumeRewritesTheFile",
                               true,
                               std::string(6000, 'x'),
                               kResume,
                               [](const std::string&, int) {
                                   return Reply("200 OK\r\nAccept-Ranges: bytes",
                                                std::string(10000, 'x'));
                               },
                               std::string(10000, 'x'),
                               10000,
                               {1904}},
                      RangeRow{"WholeAnswerToARangedReadInMemory",
                               false,
                               std::nullopt,
                               100,
                               [](const std::string&, int) {
                                   return Reply("200 OK\r\nAccept-Ranges: bytes", kAll);
                               },
                               kAll,
                               10000,
                               {100}},
                      RangeRow{"ShorterResourceTruncatesTheResumedFile",
                               true,
                               kAll,
                               2000,
                               Serving(kAll.substr(0, 8000), true),
                               kAll.substr(0, 8000),
                               8000,
                               {2000}},
                      RangeRow{"RangeNotSatisfiableOnALongerFileStartsOver",
                               true,
                               kAll.substr(0, 6000),
                               kResume,
                               Serving(kAll.substr(0, 1904), true),
                               kAll.substr(0, 1904),
                               1904,
                               {1904, 0, std::nullopt}},
                      RangeRow{"RangeNotSatisfiableWhereTheFileIsWholeIsDone",
                               true,
                               kAll.substr(0, 6000),
                               6000,
                               Serving(kAll.substr(0, 6000), true),
                               kAll.substr(0, 6000),
                               6000,
                               {6000, 0}},
                      RangeRow{"RangeBeyondAMissingFileAsksForTheWhole",
                               true,
                               std::nullopt,
                               5000,
                               [](const std::string& request, int) {
                                   return RangeStart(request) ? Reply("206 Partial Content", "")
                                                              : Reply("200 OK", kAll);
                               },
                               kAll,
                               10000,
                               {std::nullopt}},
                      RangeRow{"SizeBeyond32BitsIsTheLargestNotAWrappedOne",
                               false,
                               std::nullopt,
                               0xFFFFFF00u,
                               [](const std::string&, int) {
                                   return Reply("206 Partial Content", kAll.substr(0, 1000));
                               },
                               kAll.substr(0, 1000),
                               0xFFFFFFFFu,
                               {0xFFFFFF00u}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo
