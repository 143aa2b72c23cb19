// SPDX-License-Identifier: GPL-3.0-or-later
// The URL and text utilities of the transfer, table by table.
#include "http/winhttp.h"

#include <gtest/gtest.h>

namespace quelmo {
namespace {

struct UrlRow {
    const char* name;
    std::string url;
    bool ok;
    std::string scheme, host, path, user, password, extra;
    unsigned short port;
};

class ParseUrlTable : public ::testing::TestWithParam<UrlRow> {};

TEST_P(ParseUrlTable, SplitsOrLeavesTheOutputsAlone) {
    const UrlRow& row = GetParam();
    std::string scheme = "s", host = "h", path = "p", user = "u", password = "w", extra = "e";
    unsigned short port = 7;
    EXPECT_EQ(ParseURL(row.url, scheme, host, path, user, password, extra, port), row.ok);
    if (!row.ok) {
        EXPECT_EQ(scheme + host + path + user + password + extra, "shpuwe");
        EXPECT_EQ(port, 7);
        return;
    }
    EXPECT_EQ(scheme, row.scheme);
    EXPECT_EQ(host, row.host);
    EXPECT_EQ(path, row.path);
    EXPECT_EQ(user, row.user);
    EXPECT_EQ(password, row.password);
    EXPECT_EQ(extra, row.extra);
    EXPECT_EQ(port, row.port);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseUrlTable,
    ::testing::Values(
        UrlRow{"Full", "https://ann:pw@example.org:8443/a/b.db?x=1#f", true, "https", "example.org",
               "/a/b.db", "ann", "pw", "?x=1#f", 8443},
        UrlRow{"SchemeAdded", "example.org/q.php?kwu=5,&kws=0,", true, "http", "example.org",
               "/q.php", "", "", "?kwu=5,&kws=0,", 80},
        UrlRow{"EscapesDecoded", "http://h/a%20b?c%3Dd", true, "http", "h", "/a b", "", "", "?c=d",
               80},
        UrlRow{"Ipv6", "http://[::1]:81/", true, "http", "::1", "/", "", "", "", 81},
        UrlRow{"LocalFile", "file:///tmp/x.db", true, "file", "", "/tmp/x.db", "", "", "", 0},
        UrlRow{"NoHost", "http://", false, "", "", "", "", "", "", 0},
        UrlRow{"BadPort", "http://h:99999/", false, "", "", "", "", "", "", 0},
        UrlRow{"LongestHost", "http://" + std::string(256, 'h') + "/", true, "http",
               std::string(256, 'h'), "/", "", "", "", 80},
        UrlRow{"HostTooLong", "http://" + std::string(257, 'h') + "/", false, "", "", "", "", "",
               "", 0},
        UrlRow{"SchemeTooLong", std::string(33, 's') + "://h/", false, "", "", "", "", "", "", 0},
        UrlRow{"PathTooLong", "http://h/" + std::string(2048, 'p'), false, "", "", "", "", "", "",
               0},
        UrlRow{"UserTooLong", "http://" + std::string(129, 'u') + "@h/", false, "", "", "", "", "",
               "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UrlText, EncodeDecodeAndTheSmallHelpers) {
    EXPECT_EQ(URLEncode("a b#%*+<>?&=/\x01\xE9~"), "a%20b%23%25%2A%2B%3C%3E?&=/%01%E9~");
    EXPECT_EQ(URLDecode("a+b%41%4a%00%zz%4"), "a bAJ");
    EXPECT_EQ(URLDecode(URLEncode("x y\xFF")), "x y\xFF");
    EXPECT_EQ(URLToHostName("http://ann@example.org:81/x"), "example.org");
    EXPECT_EQ(URLToFileName("http://h/dir/week%20plan.db?x=/y"), "week plan.db");
    EXPECT_EQ(IncludeLeadingChar("x", '/'), "/x");
    EXPECT_EQ(IncludeLeadingChar("/x", '/'), "/x");
    EXPECT_EQ(ExcludeLeadingChar("//x/", '/'), "x/");
    EXPECT_EQ(ExcludeLeadingChar("///", '/'), "");
    std::string text = "a.b-c d";
    ReplaceChars(text, '_', ".- ");
    EXPECT_EQ(text, "a_b_c_d");
}

TEST(UrlText, StatusTexts) {
    EXPECT_EQ(HTTPErrorToStr(100), "OK to continue with request");
    EXPECT_EQ(HTTPErrorToStr(206), "partial GET furfilled");
    EXPECT_EQ(HTTPErrorToStr(305), "redirection to proxy, location header specifies proxy to use");
    EXPECT_EQ(HTTPErrorToStr(404), "object not found");
    EXPECT_EQ(HTTPErrorToStr(505), "HTTP version not supported");
    for (int code : {0, 102, 306, 416, 506, -1})
        EXPECT_EQ(HTTPErrorToStr(code), "") << code;
}

} // namespace
} // namespace quelmo
