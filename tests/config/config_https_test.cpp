// SPDX-License-Identifier: GPL-3.0-or-later
// An "https://" configuration through the window: certificates are checked, so a server with
// a self-signed certificate is refused and the chain falls back as for a failed download.
#ifndef CPPHTTPLIB_OPENSSL_SUPPORT
#define CPPHTTPLIB_OPENSSL_SUPPORT
#endif
#include <httplib.h>

#include "config/file_utils.h"
#include "config/settings.h"
#include "tests/config/config_test_util.h"
#include "tests/support/form_fixture.h"

#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

namespace quelmo::test {
namespace {

// A database served over TLS with the certificate given, on 127.0.0.1, counting its answers.
class TlsServer {
public:
    TlsServer(const std::string& certificate, const std::string& key)
        : mServer(certificate.c_str(), key.c_str()) {
        mServer.Get(".*", [this](const httplib::Request&, httplib::Response& response) {
            ++served;
            response.set_content("Password=web\r\n", "text/plain");
        });
        mPort = mServer.bind_to_any_port("127.0.0.1");
        mListener = std::thread([this] { mServer.listen_after_bind(); });
        while (!mServer.is_running())
            std::this_thread::yield();
    }
    ~TlsServer() {
        mServer.stop();
        mListener.join();
    }
    std::string Url() const { return "https://127.0.0.1:" + std::to_string(mPort) + "/cfg.db"; }
    std::atomic<int> served{0};

private:
    httplib::SSLServer mServer;
    int mPort = 0;
    std::thread mListener;
};

class HttpsConfigTest : public FormTest {
protected:
    AutostartSandbox sandbox;
    QTemporaryDir keys;
    std::string Key(const char* name) const { return keys.filePath(name).toStdString(); }
    // A throwaway certificate for 127.0.0.1 that no authority signed.
    bool MakeCertificate(const char* name = "cert.pem", const char* key = "key.pem") const {
        return QProcess::execute("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes",
                                             "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                                             "subjectAltName=IP:127.0.0.1", "-keyout",
                                             QString::fromStdString(Key(key)), "-out",
                                             QString::fromStdString(Key(name))}) == 0;
    }
};

TEST_F(HttpsConfigTest, ASelfSignedCertificateIsRefused) {
    ASSERT_TRUE(MakeCertificate());
    TlsServer server(Key("cert.pem"), Key("key.pem"));
    WriteBytes(folder.Path() + "Quelmo.ini", "DbFile=" + server.Url() + "\r\n");
    WriteBytes(folder.Path() + "Default.db", "Password=default\r\n");
    Start();
    EXPECT_EQ(S().PasswordScramble, "default");
    EXPECT_EQ(server.served.load(), 0);
    EXPECT_FALSE(FileExistsAt("LocalCopy.db"));
    form->SetConfigUnlocked(true);
    EXPECT_FALSE(form->Save->isEnabled()) << "a URL configuration is never saved";
}

// "CAFile" names the only authority trusted: the server's own certificate is, another is not.
TEST_F(HttpsConfigTest, OnlyTheNamedAuthorityIsTrusted) {
    ASSERT_TRUE(MakeCertificate());
    ASSERT_TRUE(MakeCertificate("other.pem", "other-key.pem"));
    TlsServer server(Key("cert.pem"), Key("key.pem"));
    struct Row {
        const char* name;
        const char* authority;
        const char* password;
    } rows[] = {{"the server's authority", "cert.pem", "web"},
                {"another authority", "other.pem", "default"}};
    for (const Row& row : rows) {
        WriteBytes(folder.Path() + "Quelmo.ini",
                   "DbFile=" + server.Url() + "\r\nCAFile=" + Key(row.authority) + "\r\n");
        WriteBytes(folder.Path() + "Default.db", "Password=default\r\n");
        std::filesystem::remove(folder.Path() + "LocalCopy.db");
        Start();
        EXPECT_EQ(S().PasswordScramble, row.password) << row.name;
        Stop();
    }
}

} // namespace
} // namespace quelmo::test
