// SPDX-License-Identifier: GPL-3.0-or-later
// File attributes, registry values and the stored credential record.
#include "http/winhttp_login.h"
#include "http/winhttp_utils.h"
#include "registry/machine_registry.h"
#include "tests/support/fakes.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quelmo {
namespace {

struct AttributeRow {
    const char* name;
    TWinHTTPFileAttributes set;
};

class FileAttributes : public ::testing::TestWithParam<AttributeRow> {
protected:
    QTemporaryDir dir;
    std::string File(const char* name) const {
        const std::string path = dir.filePath(name).toStdString();
        QFile file(QString::fromStdString(path));
        file.open(QIODevice::WriteOnly);
        return path;
    }
};

TEST_P(FileAttributes, RoundTrip) {
    const std::string path = File("download.bin");
    ASSERT_TRUE(SetFileAttr(path, GetParam().set));
    TWinHTTPFileAttributes read{atrHidden};
    ASSERT_TRUE(GetFileAttr(path, read));
    EXPECT_EQ(read, GetParam().set);
    // Read-only is the absence of write permission.
    EXPECT_EQ(!(QFile::permissions(QString::fromStdString(path)) & QFile::WriteOwner),
              GetParam().set.count(atrReadOnly) > 0);
    ASSERT_TRUE(SetFileAttr(path, {atrArchive})); // and back from any of them
    ASSERT_TRUE(GetFileAttr(path, read));
    EXPECT_EQ(read, TWinHTTPFileAttributes{atrArchive});
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileAttributes,
    ::testing::Values(AttributeRow{"None", {}}, AttributeRow{"Archive", {atrArchive}},
                      AttributeRow{"Incomplete", {atrArchive, atrTemporary}},
                      AttributeRow{"ReadOnly", {atrReadOnly}},
                      AttributeRow{"HiddenSystemOfflineReadOnly",
                                   {atrHidden, atrSystem, atrOffline, atrReadOnly}},
                      AttributeRow{"All",
                                   {atrArchive, atrHidden, atrReadOnly, atrSystem, atrTemporary,
                                    atrOffline}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileAttributesWithoutXattrs, OnlyReadOnlyIsKeptAndTheResultSaysSo) {
    QTemporaryDir dir;
    // User extended attributes are kept only on regular files and folders.
    const std::string pipe = dir.filePath("pipe").toStdString();
    ASSERT_EQ(QProcess::execute("mkfifo", {QString::fromStdString(pipe)}), 0);
    EXPECT_FALSE(SetFileAttr(pipe, {atrArchive, atrTemporary, atrReadOnly}));
    TWinHTTPFileAttributes read;
    ASSERT_TRUE(GetFileAttr(pipe, read));
    EXPECT_EQ(read, TWinHTTPFileAttributes{atrReadOnly});
    EXPECT_TRUE(SetFileAttr(pipe, {}));
    ASSERT_TRUE(GetFileAttr(pipe, read));
    EXPECT_TRUE(read.empty());

    read = {atrHidden};
    EXPECT_FALSE(GetFileAttr(dir.filePath("missing").toStdString(), read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(SetFileAttr(dir.filePath("missing").toStdString(), {atrArchive}));
}

TEST(RegReadStr, ReadsContentTypesAndTheAutostartList) {
    test::ProgramFolder folder; // private autostart folders
    std::string value = "stale";
    EXPECT_TRUE(RegReadStr("\\.png", "Content Type", HKEY_CLASSES_ROOT, value));
    EXPECT_EQ(value, "image/png");
    EXPECT_FALSE(RegReadStr(".zzzq", "Content Type", HKEY_CLASSES_ROOT, value));
    EXPECT_EQ(value, "");

    ASSERT_TRUE(MachineRegWrite(kRunKey, "Quelmo", "\"/opt/quelmo/quelmo\""));
    EXPECT_TRUE(RegReadStr(std::string("\\") + kRunKey, "Quelmo", HKEY_LOCAL_MACHINE, value));
    EXPECT_EQ(value, "\"/opt/quelmo/quelmo\"");
    EXPECT_FALSE(RegReadStr(kRunKey, "Other", HKEY_LOCAL_MACHINE, value));
    EXPECT_FALSE(RegReadStr(kRunKey, "Quelmo", HKEY_CURRENT_USER, value));
    EXPECT_FALSE(RegReadStr("Software\\Elsewhere", "Quelmo", HKEY_LOCAL_MACHINE, value));
    EXPECT_EQ(value, "");
}

TEST(LoginInfo, IsAScrambledByteRecord) {
    TWinLoginComponent login;
    EXPECT_FALSE(login.HasLoginInfo());
    login.Username = "ab";
    login.Password = "c";
    std::string stream = "x";
    ASSERT_TRUE(login.WriteLoginInfo(stream));
    // L = 4; each byte XOR (4 XOR 0xA7) = 0xA3.
    EXPECT_EQ(stream, "x\x04\xA1\xC2\xC1\xC0");

    TWinLoginComponent read;
    std::string_view rest = std::string_view(stream).substr(1);
    ASSERT_TRUE(read.ReadLoginInfo(rest));
    EXPECT_EQ(read.Username, "ab");
    EXPECT_EQ(read.Password, "c");
    EXPECT_TRUE(rest.empty());
}

TEST(LoginInfo, HoldsUpTo254BytesAndRefusesMore) {
    TWinLoginComponent login;
    login.Username = std::string(200, 'u');
    login.Password = std::string(54, '\xFF');
    std::string stream;
    ASSERT_TRUE(login.WriteLoginInfo(stream));
    EXPECT_EQ(stream.size(), 256u);
    TWinLoginComponent read;
    std::string_view rest = stream;
    ASSERT_TRUE(read.ReadLoginInfo(rest));
    EXPECT_EQ(read.Username, login.Username);
    EXPECT_EQ(read.Password, login.Password);

    login.Password += 'p';
    std::string refused = "kept";
    EXPECT_FALSE(login.WriteLoginInfo(refused));
    EXPECT_EQ(refused, "kept");

    // Records that are cut short or whose name length overruns them change nothing.
    for (std::string_view bad : {std::string_view(stream).substr(0, 100),
                                 std::string_view("\x02\xFF\x00", 3), std::string_view()}) {
        TWinLoginComponent untouched;
        untouched.Username = "u";
        EXPECT_FALSE(untouched.ReadLoginInfo(bad));
        EXPECT_EQ(untouched.Username, "u");
    }
}

} // namespace
} // namespace quelmo
