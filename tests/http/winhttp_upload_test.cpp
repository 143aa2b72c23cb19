// SPDX-License-Identifier: GPL-3.0-or-later
// Multipart bodies: the exact bytes, the parts of each kind, Upload and the content types.
#include "http/winhttp_component.h"
#include "tests/support/fakes.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

#include <stdexcept>

namespace quelmo {
namespace {

// The body's boundary depends on the clock and the locale: both are fixed here.
class UploadTest : public ::testing::Test {
protected:
    test::TestClock clock;
    TCustomWinHTTP http;
    UploadTest() {
        clock.SetLocal(2026, 12, 7, 13, 0, 0);
        QLocale::setDefault(QLocale::c());
    }
    ~UploadTest() override { QLocale::setDefault(QLocale::system()); }
    std::string Body() const { return http.UploadBody() ? http.UploadBody()->Bytes() : "none"; }
    std::string Separator() const { return http.UploadBody()->Separator(); }
};

TEST_F(UploadTest, ATwoPartBodyIsByteForByteTheHandWrittenOne) {
    QFile expected(QUELMO_TEST_DATA "/two_part_body.txt");
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    ASSERT_TRUE(http.BeginPrepareUpload());
    EXPECT_EQ(http.MultipartHeader(), "Content-Type: multipart/form-data, boundary="
                                      "---ATTACH-BOUNDARY-0-NyBEZWMgMjAyNiAxMzowMDowMA==---");
    http.UploadString("title", "Quelmo week");
    QBuffer plan;
    plan.setData("Mon on\r\nTue off");
    plan.open(QIODevice::ReadOnly);
    plan.seek(4); // copied from its beginning all the same
    http.UploadStream("plan", &plan, "plans\\week.txt");
    EXPECT_TRUE(http.EndPrepareUpload());
    EXPECT_EQ(Body(), expected.readAll().toStdString());
    EXPECT_EQ(http.POSTMethod(), pmMultipartFormData);
}

TEST_F(UploadTest, NumbersAreFourLittleEndianBytesAndPicturesPng) {
    ASSERT_TRUE(http.BeginPrepareUpload());
    const std::string header =
        Separator() + "\r\nContent-Disposition: form-data; name=\"n\"\r\n\r\n";
    http.UploadInteger("n", 1);
    http.UploadBoolean("n", true);
    http.UploadInteger("n", -2);
    EXPECT_EQ(Body(), header + std::string("\x01\x00\x00\x00\r\n", 6) + header +
                          std::string("\x01\x00\x00\x00\r\n", 6) + header + "\xFE\xFF\xFF\xFF\r\n");

    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const std::size_t before = Body().size();
    http.UploadPicture("p", picture, "red.png");
    const std::string part = Body().substr(before);
    const std::string png = "Content-Type: image/png\r\n\r\n\x89PNG\r\n\x1A\n";
    EXPECT_NE(part.find(png), std::string::npos) << part;
}

TEST_F(UploadTest, UploadOfNoPartsSendsOnlyTheClosingSeparator) {
    int requests = 0;
    http.OnUploadFieldRequest = [&](TComponent*, unsigned short, QBuffer&, std::string&,
                                    std::string&) { ++requests; };
    EXPECT_TRUE(http.Upload(0));
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(Body(), Separator() + "--\r\n");
    EXPECT_TRUE(http.Busy());
    EXPECT_FALSE(http.Upload(1)) << "busy: nothing is asked for";
    EXPECT_EQ(requests, 0);
}

TEST_F(UploadTest, UploadAsksForEachPartAndClosesTheBodyWhenAHandlerThrows) {
    EXPECT_FALSE(http.Upload(1)) << "no handler";
    EXPECT_FALSE(http.Busy());
    std::vector<unsigned short> asked;
    http.OnUploadFieldRequest = [&](TComponent* sender, unsigned short index, QBuffer& stream,
                                    std::string& field, std::string& file) {
        EXPECT_EQ(sender, &http);
        EXPECT_TRUE(field.empty() && file.empty() && stream.data().isEmpty());
        asked.push_back(index);
        if (index == 2)
            throw std::runtime_error("no third part");
        stream.write(index == 0 ? "one" : "two");
        field = "f" + std::to_string(index);
        file = index == 1 ? "b.zzzq" : "";
    };
    EXPECT_THROW(http.Upload(5), std::runtime_error);
    EXPECT_EQ(asked, (std::vector<unsigned short>{0, 1, 2}));
    const std::string s = Separator();
    EXPECT_EQ(Body(), s + "\r\nContent-Disposition: form-data; name=\"f0\"\r\n\r\none\r\n" + s +
                          "\r\nContent-Disposition: form-data; name=\"f1\"; filename=\"b.zzzq\"\r\n"
                          "Content-Type: application/octet-stream\r\n\r\ntwo\r\n" +
                          s + "--\r\n");
    EXPECT_EQ(http.POSTMethod(), pmMultipartFormData) << "sent in any case";
}

TEST(UploadBoundary, FollowsTheClockAndTheLocale) {
    test::TestClock clock;
    clock.SetLocal(2026, 12, 7, 13, 0, 0);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string german = MakeUploadBoundary();
    QLocale::setDefault(QLocale::system());
    // "07.12.26 13:00:00"
    EXPECT_EQ(german, "---ATTACH-BOUNDARY-0-MDcuMTIuMjYgMTM6MDA6MDA=---");
}

struct TypeRow {
    const char* name;
    const char* fileName;
    const char* type;
};

class ContentType : public ::testing::TestWithParam<TypeRow> {};

TEST_P(ContentType, ComesFromTheExtensionAlone) {
    EXPECT_EQ(ContentTypeOfExtension(ExtractFileExt(GetParam().fileName)), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContentType,
    ::testing::Values(TypeRow{"Png", "a.png", "image/png"},
                      TypeRow{"UpperCase", "A.PNG", "image/png"},
                      TypeRow{"Html", "dir/index.html", "text/html"},
                      TypeRow{"LastExtensionOnly", "week.tar.gz", "application/gzip"},
                      TypeRow{"Unknown", "a.zzzq", "application/octet-stream"},
                      TypeRow{"NoExtension", "README", "application/octet-stream"},
                      TypeRow{"DotInFolderOnly", "my.dir\\file", "application/octet-stream"},
                      TypeRow{"TrailingDot", "file.", "application/octet-stream"},
                      TypeRow{"Empty", "", "application/octet-stream"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quelmo
