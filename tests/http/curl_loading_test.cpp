// libcurl is opened on the first exchange, not when the program starts; without it, every
// exchange fails as without a network. Each suite runs in a process of its own (see
// CMakeLists.txt): what they check happens once per process.
#include "http/winhttp.h"
#include "tests/support/http_server.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace quelmo {
namespace {

bool CurlMapped() {
    std::ifstream maps("/proc/self/maps");
    std::stringstream text;
    text << maps.rdbuf();
    return text.str().find("/libcurl") != std::string::npos;
}

TEST(CurlLoading, OpenedByTheFirstExchangeOnly) {
    test::LocalHttpServer server;
    server.SetAnswer(200, "schedule");
    ASSERT_FALSE(CurlMapped()) << "loaded with the program";
    // A component ready to fetch (its cookie jar included) is not an exchange yet.
    TSimpleWinHTTPLoader loader("http://" + server.HostAndPort() + "/a.db", 3000);
    EXPECT_FALSE(CurlMapped()) << "loaded by a component that has not fetched anything";
    EXPECT_EQ(loader.ReadString(), "schedule");
    EXPECT_TRUE(CurlMapped());
    EXPECT_EQ(HTTPReadString("http://" + server.HostAndPort() + "/b.db", 3000), "schedule");
}

// Run with a stand-in libcurl.so.4 first on the library path that has none of its functions.
TEST(CurlMissing, EveryExchangeFailsAsANetworkFault) {
    test::LocalHttpServer server;
    const struct {
        const char* name;
        std::string url;
    } rows[] = {
        {"a server that answers", "http://" + server.HostAndPort() + "/a.db"},
        {"the same server again", "http://" + server.HostAndPort() + "/b.db"},
        {"a closed port", "http://127.0.0.1:9/c.db"},
    };
    testing::internal::CaptureStderr();
    for (const auto& row : rows) {
        const FetchedBody fetched = HTTPReadBody(row.url, 3000);
        EXPECT_EQ(fetched.body, "") << row.name;
        EXPECT_FALSE(fetched.whole) << row.name;
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(server.Targets().empty()) << "a request went out";
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("libcurl.so.4"), std::string::npos) << said;
}

} // namespace
} // namespace quelmo
