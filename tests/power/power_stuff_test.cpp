// The system helpers: error texts, URLs, starting programs, the power settings, the clocks.
#include "platform/clock.h"
#include "power/stuff.h"
#include "tests/support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmo {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : mName(name) {
        if (const char* old = std::getenv(name))
            mOld = old;
        setenv(name, value.c_str(), 1);
        tzset();
    }
    ~ScopedEnv() {
        if (mOld)
            setenv(mName, mOld->c_str(), 1);
        else
            unsetenv(mName);
        tzset();
    }

private:
    const char* mName;
    std::optional<std::string> mOld;
};

bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 250; ++i) {
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return condition();
}

// --- LastErrorText

struct ErrorRow {
    int code;
    std::string expected;
};

class LastError : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(LastError, FollowsTheCodeRanges) {
    errno = GetParam().code;
    EXPECT_EQ(LastErrorText(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LastError,
    ::testing::Values(ErrorRow{0, ""}, ErrorRow{2, " Sys Error: " + std::string(std::strerror(2))},
                      ErrorRow{48, " Sys Error: " + std::string(std::strerror(48))},
                      // From 49 on the runtime's table has no entry.
                      ErrorRow{49, " Error: 49"}, ErrorRow{1450, " Error: 1450"},
                      ErrorRow{10001, " Error: 10001"}));

TEST(LastError, CodeTwoIsTheMissingFileText) {
    errno = ENOENT;
    EXPECT_EQ(LastErrorText(), " Sys Error: No such file or directory");
}

// --- OpenURL

class OpenUrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUrlOpener([this](const std::string& url) {
            opened.push_back(url);
            return accept;
        });
    }
    void TearDown() override { SetUrlOpener(nullptr); }
    std::vector<std::string> opened;
    bool accept = true;
};

TEST_F(OpenUrlTest, PutsHttpInFrontOfEverythingButHttpAndFile) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"quelmo.invalid/Quelmo/index.html", "http://quelmo.invalid/Quelmo/index.html"},
        {"http://a.invalid/x", "http://a.invalid/x"},
        {"HTTP://A.invalid/X", "HTTP://A.invalid/X"},
        {"FiLe:///tmp/help/index.html", "FiLe:///tmp/help/index.html"},
        {"https://a.invalid/", "http://https://a.invalid/"},
        {"mailto:x@a.invalid", "http://mailto:x@a.invalid"},
        {"", "http://"},
        {"file:", "http://file:"},
    };
    for (const auto& [url, expected] : rows) {
        opened.clear();
        EXPECT_TRUE(OpenURL(url));
        EXPECT_EQ(opened, std::vector<std::string>{expected}) << url;
    }
}

TEST_F(OpenUrlTest, CutsAt255CharactersAndReportsTheDesktopsAnswer) {
    const std::string longUrl = "http://a.invalid/" + std::string(300, 'x');
    accept = false;
    EXPECT_FALSE(OpenURL(longUrl));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], longUrl.substr(0, 255));
}

// --- RunProgram

TEST(CommandArguments, SplitsAtBlanksAndKeepsQuotedBlanks) {
    using V = std::vector<std::string>;
    EXPECT_EQ(CommandArguments("p", ""), V{"p"});
    EXPECT_EQ(CommandArguments("p", "powercfg.cpl"), (V{"p", "powercfg.cpl"}));
    EXPECT_EQ(CommandArguments("p", "  a \t b  "), (V{"p", "a", "b"}));
    EXPECT_EQ(CommandArguments("p", "\"a b\" c\"d e\"f"), (V{"p", "a b", "cd ef"}));
    EXPECT_EQ(CommandArguments("p", "\"\" x"), (V{"p", "", "x"}));
    EXPECT_EQ(CommandArguments("p", "a;b $(c) `d` |e"), (V{"p", "a;b", "$(c)", "`d`", "|e"}));
}

TEST(RunProgram, StartsARealChildWithTheArgumentsAsGivenAndNoShell) {
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    ASSERT_TRUE(RunProgram("touch", "\"" + d + "/a b\" " + d + "/`id` " + d + "/$HOME"));
    for (const char* name : {"a b", "`id`", "$HOME"}) {
        EXPECT_TRUE(WaitFor([&] { return QFileInfo::exists(dir.filePath(name)); })) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

// A child of ours that has ended but was not waited for.
bool HasZombieChild() {
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool isPid = false;
        entry.toInt(&isPid);
        if (!isPid)
            continue;
        std::ifstream stat(("/proc/" + entry + "/stat").toStdString());
        std::string line;
        std::getline(stat, line);
        const auto close = line.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        int parent = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &parent) == 2 &&
            parent == getpid() && state == 'Z')
            return true;
    }
    return false;
}

TEST(RunProgram, EndedChildrenAreReaped) {
    ASSERT_TRUE(RunProgram("true", ""));
    EXPECT_TRUE(WaitFor([] { return !HasZombieChild(); }));
}

TEST(RunProgram, AMissingProgramIsFalseWithItsErrorKept) {
    errno = 0;
    EXPECT_FALSE(RunProgram("quelmo-no-such-program", "x"));
    EXPECT_EQ(LastErrorText(), " Sys Error: No such file or directory");
}

TEST(RunProgram, TheRunnerSeamGetsTheVector) {
    std::vector<std::string> seen;
    SetProgramRunner([&](const std::vector<std::string>& arguments) {
        seen = arguments;
        return false;
    });
    EXPECT_FALSE(RunProgram("Control.exe", "powercfg.cpl"));
    SetProgramRunner(nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"Control.exe", "powercfg.cpl"}));
}

// --- The desktop's power settings

struct DesktopRow {
    const char* name;
    std::string desktop;
    std::vector<std::string> installed;
    std::string program, parameters;
};

void PrintTo(const DesktopRow& row, std::ostream* out) {
    *out << row.name;
}

class PowerOptionsChoice : public ::testing::TestWithParam<DesktopRow> {};

TEST_P(PowerOptionsChoice, PrefersTheDesktopsOwnProgramAmongThoseInstalled) {
    const DesktopRow& row = GetParam();
    const auto command = PowerOptionsCommand(row.desktop, [&](const std::string& program) {
        return std::find(row.installed.begin(), row.installed.end(), program) !=
               row.installed.end();
    });
    EXPECT_EQ(command.program, row.program);
    EXPECT_EQ(command.parameters, row.parameters);
}

const std::vector<std::string> kEverything = {
    "gnome-control-center",         "systemsettings",         "systemsettings5",
    "xfce4-power-manager-settings", "mate-power-preferences", "cinnamon-settings",
    "lxqt-config-powermanagement"};

INSTANTIATE_TEST_SUITE_P(
    Desktops, PowerOptionsChoice,
    ::testing::Values(
        DesktopRow{"gnome", "GNOME", kEverything, "gnome-control-center", "power"},
        DesktopRow{"ubuntu_list", "ubuntu:GNOME", kEverything, "gnome-control-center", "power"},
        DesktopRow{"kde", "KDE", kEverything, "systemsettings", "kcm_powerdevilprofilesconfig"},
        DesktopRow{"kde_plasma5",
                   "KDE",
                   {"gnome-control-center", "systemsettings5"},
                   "systemsettings5",
                   "powerdevilprofilesconfig"},
        DesktopRow{"xfce", "XFCE", kEverything, "xfce4-power-manager-settings", ""},
        DesktopRow{"mate", "MATE", kEverything, "mate-power-preferences", ""},
        DesktopRow{"cinnamon", "X-Cinnamon", kEverything, "cinnamon-settings", "power"},
        DesktopRow{"lxqt", "LXQt", kEverything, "lxqt-config-powermanagement", ""},
        DesktopRow{"own_program_missing",
                   "XFCE",
                   {"mate-power-preferences"},
                   "mate-power-preferences",
                   ""},
        DesktopRow{"unknown_desktop",
                   "Hyprland",
                   {"xfce4-power-manager-settings"},
                   "xfce4-power-manager-settings",
                   ""},
        DesktopRow{"no_desktop", "", {"cinnamon-settings"}, "cinnamon-settings", "power"},
        DesktopRow{"nothing_installed", "GNOME", {}, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenPowerOptions, StartsTheProgramFoundOnPath) {
    QTemporaryDir bin;
    const QString out = bin.filePath(QStringLiteral("arguments"));
    const QString script = bin.filePath(QStringLiteral("gnome-control-center"));
    {
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$QUELMO_TEST_OUT.tmp\"\n"
                   "mv \"$QUELMO_TEST_OUT.tmp\" \"$QUELMO_TEST_OUT\"\n");
    }
    ASSERT_EQ(::chmod(script.toLocal8Bit().constData(), 0755), 0);
    const ScopedEnv path("PATH", bin.path().toStdString() + ":/usr/bin:/bin");
    const ScopedEnv desktop("XDG_CURRENT_DESKTOP", "GNOME");
    const ScopedEnv target("QUELMO_TEST_OUT", out.toStdString());

    ASSERT_TRUE(OpenPowerOptions());
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(out); }));
    QFile result(out);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), QByteArray("power\n"));
}

TEST(OpenPowerOptions, FalseWhenNoneIsInstalled) {
    QTemporaryDir empty;
    const ScopedEnv path("PATH", empty.path().toStdString());
    EXPECT_FALSE(OpenPowerOptions());
}

// --- The clocks

TEST(LocalStandardNow, IsUtcPlusTheStandardOffsetSummerAndWinter) {
    test::TestClock clock;
    struct Row {
        const char* zone;
        int hourShift; // standard offset east of UTC
    };
    for (const Row row : {Row{"Europe/Berlin", 1}, Row{"America/New_York", -5}, Row{"UTC", 0}}) {
        const ScopedEnv zone("TZ", row.zone);
        for (const int month : {1, 7}) {
            // 15th of the month, 12:00:00.250 UTC.
            const double utcDay = EncodeDayCount(2024, month, 15, 12, 0, 0, 250);
            clock.utcSeconds = std::llround((utcDay - kUnixEpochDay) * 86400 - 0.25);
            clock.millis = 250;
            clock.Apply();
            EXPECT_NEAR(LocalStandardNow(), utcDay + row.hourShift / 24.0, 1e-8)
                << row.zone << " month " << month;
        }
    }
}

TEST(DayIndex, CountsFromMondayToSunday) {
    EXPECT_EQ(DayIndex(EncodeDayCount(2024, 6, 3, 0, 0, 0, 0)), 0);    // a Monday
    EXPECT_EQ(DayIndex(EncodeDayCount(2024, 6, 5, 23, 59, 59, 0)), 2); // a Wednesday
    EXPECT_EQ(DayIndex(EncodeDayCount(2024, 6, 9, 12, 0, 0, 0)), 6);   // a Sunday
    EXPECT_EQ(DayIndex(0.0), 5);  // 30 December 1899 was a Saturday
    EXPECT_EQ(DayIndex(1.75), 6); // and the next day a Sunday
}

TEST(EncodeDayCount, MatchesTheCalendarsDayCount) {
    EXPECT_DOUBLE_EQ(EncodeDayCount(1899, 12, 30, 0, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDayCount(1970, 1, 1, 0, 0, 0, 0), kUnixEpochDay);
    EXPECT_DOUBLE_EQ(EncodeDayCount(2000, 1, 1, 18, 0, 0, 0), 36526.75);
}

} // namespace
} // namespace quelmo
