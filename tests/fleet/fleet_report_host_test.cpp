// Where usage reports go: the ReportHost setting against the build's own host.
#include "config/fleet_settings.h"
#include "config/paths.h"
#include "config/settings.h"
#include "fleet/device_id.h"
#include "fleet/report_host.h"
#include "http/winhttp_component.h"
#include "tests/config/config_test_util.h"
#include "tests/support/form_fixture.h"
#include "tests/support/http_server.h"

namespace quelmo {
namespace {

TEST(ReportEndpointTest, FormsOfTheSetting) {
    const std::string path = "/Quelmo/setup/QuelmoV.php";
    struct Row {
        const char* name;
        const char* setting;
        std::string endpoint; // empty: no report
    } rows[] = {
        {"empty", "", ""},
        {"blanks", "  \t", ""},
        {"host", "reports.school.example", "http://reports.school.example" + path},
        {"host and port", "10.1.2.3:8080", "http://10.1.2.3:8080" + path},
        {"blanks around", " reports.example ", "http://reports.example" + path},
        {"https base", "https://reports.example", "https://reports.example" + path},
        {"http base, upper case, trailing slash", "HTTP://10.0.0.5:81/",
         "HTTP://10.0.0.5:81" + path},
        {"base with a path", "https://example.org/fleet/", "https://example.org/fleet" + path},
        {"host with a path", "example.org/fleet", ""},
        {"user in the host", "someone@example.org", ""},
        {"query in a base", "https://example.org/?x=1", ""},
        {"other scheme", "ftp://example.org", ""},
        {"scheme alone", "https://", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReportEndpoint(row.setting), row.endpoint) << row.name;
}

TEST(DeviceIdTest, OnlyEightHexDigitsOverride) {
    struct Row {
        const char* text;
        std::optional<std::uint32_t> id;
    } rows[] = {{"0A1B2c3d", 0x0A1B2C3Du},   {"FFFFFFFF", 0xFFFFFFFFu},  {"0A1B2C3", std::nullopt},
                {"0A1B2C3D4", std::nullopt}, {"0A1B2C3G", std::nullopt}, {"", std::nullopt}};
    for (const auto& row : rows)
        EXPECT_EQ(ParseDeviceId(row.text), row.id) << row.text;
    test::ScopedEnvironment environment;
    environment.Set("QUELMO_DEVICE_ID", "not an id");
    EXPECT_EQ(DeviceId(), VolumeSerial("/"));
    environment.Set("QUELMO_DEVICE_ID", "00C0FFEE");
    EXPECT_EQ(DeviceId(), 0x00C0FFEEu);
}

// The program with a settings file of its own, counting on 3600 W so that each tick is a Wh.
class ReportHostTest : public test::FormTest {
protected:
    test::LocalHttpServer server;
    test::ScopedEnvironment environment;
    void StartWith(const std::string& settings) {
        test::WriteBytes(folder.Path() + "Quelmo.ini", settings + "\nOnPower=3600\n");
        environment.Set("QUELMO_DEVICE_ID", "0A1B2C3D");
        StartAt(2026, 12, 7, 9, 0, 0);
    }
};

TEST_F(ReportHostTest, WhereTheReportGoes) {
    struct Row {
        const char* name;
        bool buildHostServes; // else the build's host is a closed port
        std::string settings;
        bool reported;
    } rows[] = {
        {"not set: the build's host", true, "", true},
        {"empty: nothing leaves the PC", true, "ReportHost=", false},
        {"a host and port of its own", false, "ReportHost=" + server.HostAndPort(), true},
        {"a base URL", false, "ReportHost=http://" + server.HostAndPort() + "/", true},
    };
    for (const Row& row : rows) {
        const std::size_t before = server.Targets().size();
        webHost = row.buildHostServes ? server.HostAndPort() : "127.0.0.1:9";
        StartWith(row.settings);
        Tick(6);
        const std::vector<std::string> targets = server.Targets();
        ASSERT_EQ(targets.size() - before, row.reported ? 1u : 0u) << row.name;
        if (row.reported) {
            EXPECT_EQ(targets.back(), "/Quelmo/setup/QuelmoV.php?kwu=0,&kws=0,&did=0A1B2C3D")
                << row.name;
        }
        Stop();
    }
}

TEST_F(ReportHostTest, SavingKeepsTheFleetSettings) {
    StartWith("ReportHost=\nRefreshMinutes=15\nCAFile=/etc/xdg/quelmo/fleet-ca.pem");
    SaveSettings(*model);
    S().Fleet = {};
    SetTrustedAuthorityFile("");
    LoadSettings(*model);
    EXPECT_EQ(S().Fleet.reportHost, std::optional<std::string>(""));
    EXPECT_EQ(S().Fleet.refreshMinutes, std::optional<int>(15));
    EXPECT_EQ(TCustomWinHTTP().CertificateAuthorityFile, "/etc/xdg/quelmo/fleet-ca.pem")
        << "every exchange trusts the fleet's authority alone";
    Stop();
    StartWith("ReportHost=");
    EXPECT_EQ(TCustomWinHTTP().CertificateAuthorityFile, "") << "the system's store again";
}

} // namespace
} // namespace quelmo
