// SPDX-License-Identifier: GPL-3.0-or-later
// A downloaded configuration replaces the last good copy only when it arrived whole.
#include "config/settings.h"
#include "tests/config/config_test_util.h"
#include "tests/support/scripted_server.h"

#include <gtest/gtest.h>

namespace quelmo::test {
namespace {

const std::string kGoodCopy = "Password=good\r\nWed=1\r\nThu=1\r\n";

struct DownloadRow {
    const char* name;
    std::string answer;
    bool replaces;
};

void PrintTo(const DownloadRow& row, std::ostream* out) {
    *out << row.name;
}

class DownloadTest : public ::testing::TestWithParam<DownloadRow> {};

TEST_P(DownloadTest, OnlyAWholeBodyReplacesTheCopy) {
    const DownloadRow& row = GetParam();
    ProgramFolder folder;
    WriteBytes(folder.Path() + "LocalCopy.db", kGoodCopy);
    ScriptedServer server([&](const std::string&, int) { return Answer{{row.answer}}; });
    FakeHost host;
    host.config = server.Url("/fleet.db");
    LoadConfig(host);
    const std::string copy = ReadBytes(folder.Path() + "LocalCopy.db").value_or("<missing>");
    if (row.replaces) {
        EXPECT_EQ(host.stored.PasswordScramble, "fresh");
        EXPECT_EQ(copy.rfind("Password=fresh\r\nWed=1\r\n", 0), 0u) << copy.substr(0, 100);
    } else {
        EXPECT_EQ(host.stored.PasswordScramble, "good");
        EXPECT_EQ(copy, kGoodCopy);
    }
}

const std::string kBody = "Password=fresh\nWed=1\n";

// The body padded with a key nobody reads to `size` bytes.
std::string Padded(std::size_t size) {
    return kBody + "Pad=" + std::string(size - kBody.size() - 5, 'x') + "\n";
}
std::string Chunked(const std::string& body) {
    char size[16];
    std::snprintf(size, sizeof size, "%zx", body.size());
    return std::string("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n") + size + "\r\n" +
           body + "\r\n0\r\n\r\n";
}
std::string WithLength(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DownloadTest,
    ::testing::Values(
        DownloadRow{"ChunkedCutBeforeItsLastChunk",
                    "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n15\r\n" + kBody + "\r\n",
                    false},
        DownloadRow{"ShorterThanItsLength", "HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n" + kBody,
                    false},
        DownloadRow{"ChunkedWithItsLastChunk",
                    "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n15\r\n" + kBody +
                        "\r\n0\r\n\r\n",
                    true},
        DownloadRow{"WithItsLength", "HTTP/1.1 200 OK\r\nContent-Length: 21\r\n\r\n" + kBody, true},
        DownloadRow{"EndedByTheClose", "HTTP/1.0 200 OK\r\n\r\n" + kBody, true},
        // Over a mebibyte is no database, however it comes.
        DownloadRow{"AMebibyteWithItsLength", WithLength(Padded(kMaxDatabaseBytes)), true},
        DownloadRow{"AMebibyteChunked", Chunked(Padded(kMaxDatabaseBytes)), true},
        DownloadRow{"LongerWithItsLength", WithLength(Padded(kMaxDatabaseBytes + 1)), false},
        DownloadRow{"LongerChunked", Chunked(Padded(kMaxDatabaseBytes + 1)), false},
        DownloadRow{"LongerEndedByTheClose",
                    "HTTP/1.0 200 OK\r\n\r\n" + Padded(8 * kMaxDatabaseBytes), false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo::test
