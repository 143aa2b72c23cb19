// The settings file and the configuration database end to end through the main window.
#include "config/file_dialog.h"
#include "config/file_utils.h"
#include "config/paths.h"
#include "config/settings.h"
#include "http/winhttp.h"
#include "schedule/week_schedule.h"
#include "tests/config/config_test_util.h"
#include "tests/support/form_fixture.h"
#include "tests/support/http_server.h"
#include "tests/support/scripted_server.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <filesystem>

namespace quelmo::test {
namespace {

const std::string kMonday(144, '1');
const std::string kOffDay(144, '0');

// A day string as the week table gives it back: missing slots are off.
std::string Padded(const char* day) {
    std::string text = day;
    text.resize(144, '0');
    return text;
}

class ConfigChainTest : public FormTest {
protected:
    AutostartSandbox sandbox;
    std::string At(const std::string& name) const { return folder.Path() + name; }
    std::string Contents(const std::string& name) const {
        return ReadBytes(At(name)).value_or("<missing>");
    }
    std::string ConfigField() const { return form->Config->text().toStdString(); }
    void Restart() {
        Stop();
        Start();
    }
    static std::string Db(const std::string& password, int delay, int off,
                          const std::string& monday) {
        return "Password=" + password + "\r\nDelayAction=" + std::to_string(delay) +
               "\r\nOffAction=" + std::to_string(off) + "\r\nMon=" + monday + "\r\n";
    }
    void TearDown() override {
        SetFileDialogForTesting(nullptr);
        FormTest::TearDown();
    }
};

TEST_F(ConfigChainTest, NothingOnDiskGivesTheBuiltInDefaults) {
    Start();
    EXPECT_EQ(ConfigField(), "Default.db");
    EXPECT_EQ(form->OnP->value(), 80);
    EXPECT_EQ(form->OffP->value(), 0);
    EXPECT_EQ(form->StandbyP->value(), 3);
    EXPECT_EQ(S().OnPower, 80);
    EXPECT_LT(S().WhUsed, 1.0);
    EXPECT_EQ(S().WhSaved, 0);
    EXPECT_EQ(S().PasswordScramble, ScramblePassword("wren"));
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(DayStringOf(S().WeekSchedule, d), Padded(DefaultDayStrings[d])) << d;
    EXPECT_FALSE(form->AutoStart->isChecked());
    EXPECT_FALSE(FileExistsAt("Default.db")) << "loading never writes the database";
}

TEST_F(ConfigChainTest, SettingsAreReadAtStartAndWrittenEveryMinute) {
    WriteBytes(At("Quelmo.ini"), "DbFile=my.db\r\nWhUsed=5000\r\nWhSaved=70\r\n"
                                 "OnPower=1800\r\nOffPower=5\r\nSbyPower=2.5\r\n");
    WriteBytes(At("my.db"), Db("scr", 2, 1, kOffDay));
    Start();
    EXPECT_EQ(ConfigField(), "my.db");
    EXPECT_EQ(form->OnP->value(), 999) << "1800 W, clamped by the spin edit";
    EXPECT_EQ(form->OffP->value(), 5);
    EXPECT_EQ(form->StandbyP->value(), 2);
    EXPECT_EQ(S().PasswordScramble, "scr");
    EXPECT_EQ(form->DelayAction->currentIndex(), 2);
    EXPECT_EQ(form->OffAction->currentIndex(), 1);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, 0), kOffDay);
    EXPECT_EQ(DayStringOf(S().WeekSchedule, 1), Padded(DefaultDayStrings[1]));
    // The start-up tick added half a watt-hour; 59 more make the 60th tick, which saves.
    Tick(58);
    EXPECT_EQ(Contents("Quelmo.ini~"), "<missing>");
    Tick(1);
    EXPECT_EQ(Contents("Quelmo.ini"), "DbFile=my.db\r\nWhUsed=5030\r\nWhSaved=70\r\n"
                                      "OnPower=1800\r\nOffPower=5\r\nSbyPower=2.5\r\n");
    EXPECT_EQ(Contents("Quelmo.ini~"), "DbFile=my.db\r\nWhUsed=5000\r\nWhSaved=70\r\n"
                                       "OnPower=1800\r\nOffPower=5\r\nSbyPower=2.5\r\n");
    // Saving what was loaded changes nothing else: the database stays untouched.
    EXPECT_EQ(Contents("my.db"), Db("scr", 2, 1, kOffDay));
}

TEST_F(ConfigChainTest, DeletingTheSettingsFileGivesDefaultsAgain) {
    WriteBytes(At("Quelmo.ini"), "DbFile=my.db\r\nWhUsed=5000\r\nWhSaved=70\r\n"
                                 "OnPower=120\r\nOffPower=5\r\nSbyPower=7\r\n");
    Start();
    EXPECT_EQ(form->OnP->value(), 120);
    Stop(); // leaves Quelmo.ini and its backup
    ASSERT_TRUE(FileExistsAt("Quelmo.ini~"));
    std::filesystem::remove(At("Quelmo.ini"));
    Start();
    EXPECT_EQ(form->OnP->value(), 80);
    EXPECT_EQ(form->OffP->value(), 0);
    EXPECT_EQ(form->StandbyP->value(), 3);
    EXPECT_EQ(ConfigField(), "Default.db");
    EXPECT_LT(S().WhUsed, 1.0);
    EXPECT_EQ(S().WhSaved, 0);
}

TEST_F(ConfigChainTest, ExitWritesTheSettingsAndTheOpenDatabase) {
    WriteBytes(At("Quelmo.ini"), "DbFile=sub\\my.db\r\nWhUsed=10\r\n");
    Start();
    form->SetConfigUnlocked(true);
    S().PasswordScramble = "p\x01w";
    model->SetActionIndex(ActionList::Off, 1);
    Stop(); // what "Exit!" ends in
    EXPECT_EQ(Contents("Quelmo.ini"), "DbFile=sub\\my.db\r\nWhUsed=10\r\nWhSaved=0\r\n"
                                      "OnPower=80\r\nOffPower=0\r\nSbyPower=3\r\n");
    std::string expected = "Password=p&#001;w\r\nDelayAction=0\r\nOffAction=1\r\n";
    for (int d = 0; d < 7; ++d)
        expected += std::string(DayKeys[d]) + "=" + Padded(DefaultDayStrings[d]) + "\r\n";
    EXPECT_EQ(Contents("sub/my.db"), expected);
}

TEST_F(ConfigChainTest, DatabaseWithoutPasswordAlwaysGivesWren) {
    WriteBytes(At("Default.db"), "OffAction=1\r\nPassword=\r\n");
    Start();
    EXPECT_EQ(S().PasswordScramble, ScramblePassword("wren"));
    S().PasswordScramble = ScramblePassword("changed, never saved");
    form->LoadClick();
    EXPECT_EQ(S().PasswordScramble, ScramblePassword("wren"));
    EXPECT_EQ(form->OffAction->currentIndex(), 1);
}

TEST_F(ConfigChainTest, AClockJumpReloadsTheDatabase) {
    WriteBytes(At("Default.db"), Db("one", 0, 0, kMonday));
    Start();
    EXPECT_EQ(S().PasswordScramble, "one");
    WriteBytes(At("Default.db"), Db("two", 1, 1, kOffDay));
    Tick();
    EXPECT_EQ(S().PasswordScramble, "one");
    clock.Advance(120);
    Tick();
    EXPECT_EQ(S().PasswordScramble, "two");
    EXPECT_EQ(DayStringOf(S().WeekSchedule, 0), kOffDay);
    EXPECT_EQ(form->DelayAction->currentIndex(), 1);
}

TEST_F(ConfigChainTest, MissingConfiguredFileFallsBackToDefaultDb) {
    WriteBytes(At("Quelmo.ini"), "DbFile=gone.db\r\n");
    WriteBytes(At("Default.db"), Db("default", 0, 0, kMonday));
    WriteBytes(At("LocalCopy.db"), Db("copy", 0, 0, kMonday));
    Start();
    EXPECT_EQ(ConfigField(), "gone.db");
    // On the program's own file system, the mirror is not used.
    EXPECT_EQ(S().PasswordScramble, "default");
}

TEST_F(ConfigChainTest, FileOnAnotherFileSystemIsMirroredAndUsedWhenItGoesAway) {
    auto shared = FolderOnOtherFileSystem(folder.Path());
    if (!shared)
        GTEST_SKIP() << "no second file system here";
    const std::string sharedDb = shared->path().toStdString() + "/Shared.db";
    const std::string bytes = Db("shared", 1, 1, kOffDay);
    WriteBytes(sharedDb, bytes);
    WriteBytes(At("Default.db"), Db("default", 0, 0, kMonday));
    WriteBytes(At("Quelmo.ini"), "DbFile=" + ToBackslashes(sharedDb) + "\r\n");
    Start();
    EXPECT_EQ(S().PasswordScramble, "shared");
    EXPECT_EQ(Contents("LocalCopy.db"), bytes);

    std::filesystem::remove(sharedDb);
    S().PasswordScramble.clear();
    form->LoadClick();
    EXPECT_EQ(S().PasswordScramble, "shared");
    EXPECT_EQ(DayStringOf(S().WeekSchedule, 0), kOffDay);
    EXPECT_EQ(form->OffAction->currentIndex(), 1);

    std::filesystem::remove(At("LocalCopy.db"));
    form->LoadClick();
    EXPECT_EQ(S().PasswordScramble, "default");
    // The name stays absolute in the settings: it lies on another file system.
    Stop();
    EXPECT_EQ(Contents("Quelmo.ini").substr(0, 7 + sharedDb.size()),
              "DbFile=" + ToBackslashes(sharedDb));
}

TEST_F(ConfigChainTest, UrlConfigurationIsMirroredAndNeverSaved) {
    LocalHttpServer server;
    const std::string url = "HTTP://" + server.HostAndPort() + "/shared/cfg.db";
    server.SetAnswer(200, "Password=web\nOffAction=1\nTue=" + kOffDay + "\n");
    WriteBytes(At("Quelmo.ini"), "DbFile=" + url + "\r\n");
    WriteBytes(At("Default.db"), Db("default", 0, 0, kMonday));
    Start();
    ASSERT_EQ(server.Targets().size(), 1u);
    EXPECT_EQ(server.Targets()[0], "/shared/cfg.db");
    EXPECT_EQ(S().PasswordScramble, "web");
    EXPECT_EQ(DayStringOf(S().WeekSchedule, 1), kOffDay);
    // The body as text: each line feed became CR LF.
    const std::string mirrored = "Password=web\r\nOffAction=1\r\nTue=" + kOffDay + "\r\n";
    EXPECT_EQ(Contents("LocalCopy.db"), mirrored);

    // A failed download keeps the last good copy.
    server.SetAnswer(404, "");
    S().PasswordScramble.clear();
    form->LoadClick();
    EXPECT_EQ(server.Targets().size(), 2u);
    EXPECT_EQ(S().PasswordScramble, "web");
    EXPECT_EQ(Contents("LocalCopy.db"), mirrored);

    // Never saved, even with the panel open; the settings keep the URL as typed.
    form->SetConfigUnlocked(true);
    S().PasswordScramble = "edited";
    SaveConfig(*model);
    SaveSettings(*model);
    EXPECT_EQ(Contents("LocalCopy.db"), mirrored);
    EXPECT_EQ(Contents("Default.db"), Db("default", 0, 0, kMonday));
    EXPECT_EQ(Contents("Quelmo.ini").substr(0, 7 + url.size() + 2), "DbFile=" + url + "\r\n");
}

TEST_F(ConfigChainTest, SecureSchemeIsAUrlToo) {
    EXPECT_TRUE(ConfigIsUrl("http://x/a.db"));
    EXPECT_TRUE(ConfigIsUrl("HtTp://x"));
    EXPECT_TRUE(ConfigIsUrl("HTTPS://x/a.db"));
    EXPECT_FALSE(ConfigIsUrl("http:/x"));
    EXPECT_FALSE(ConfigIsUrl("ftp://x/a.db"));
    EXPECT_FALSE(ConfigIsUrl(""));
}

// A download that is no database, or that came short, leaves the last good copy in charge.
TEST_F(ConfigChainTest, BadDownloadsKeepTheLastGoodCopy) {
    const std::string good = "Password=web\nMon=" + kOffDay + "\n";
    ScriptedServer server([&](const std::string&, int index) -> Answer {
        if (index == 0)
            return {{"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(good.size()) +
                     "\r\n\r\n" + good}};
        if (index == 1) // a captive portal's page
            return {{"HTTP/1.1 200 OK\r\nContent-Length: 27\r\n\r\n<html>Sign in first</html>\n"}};
        return {{"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nPassword=short\r\n"}};
    });
    WriteBytes(At("Quelmo.ini"), "DbFile=" + server.Url("/cfg.db") + "\r\n");
    Start();
    EXPECT_EQ(S().PasswordScramble, "web");
    const std::string mirrored = Contents("LocalCopy.db");
    EXPECT_EQ(mirrored, "Password=web\r\nMon=" + kOffDay + "\r\n");
    for (int attempt = 1; attempt <= 2; ++attempt) {
        S().PasswordScramble.clear();
        form->LoadClick();
        EXPECT_EQ(server.Requests().size(), static_cast<std::size_t>(attempt + 1));
        EXPECT_EQ(S().PasswordScramble, "web") << attempt;
        EXPECT_EQ(DayStringOf(S().WeekSchedule, 0), kOffDay) << attempt;
        EXPECT_EQ(Contents("LocalCopy.db"), mirrored) << attempt;
    }
}

TEST_F(ConfigChainTest, SavingUnderAnotherExtensionWritesQuelmoDb) {
    WriteBytes(At("Quelmo.ini"), "DbFile=settings.cfg\r\n");
    Start();
    // Locked: the Save button is disabled, so the database is not written.
    SaveAll(*model);
    EXPECT_FALSE(FileExistsAt("Quelmo.db"));
    EXPECT_FALSE(FileExistsAt("settings.cfg"));
    form->SetConfigUnlocked(true);
    S().PasswordScramble = "pw";
    form->SaveClick();
    EXPECT_EQ(ConfigField(), "Quelmo.db");
    EXPECT_EQ(Contents("Quelmo.db").substr(0, 13), "Password=pw\r\n");
    EXPECT_FALSE(FileExistsAt("settings.cfg"));
    // The settings were saved first, under the name as it was; the next save has the new one.
    EXPECT_EQ(Contents("Quelmo.ini").substr(0, 21), "DbFile=settings.cfg\r\n");
    SaveSettings(*model);
    EXPECT_EQ(Contents("Quelmo.ini").substr(0, 18), "DbFile=Quelmo.db\r\n");
}

TEST_F(ConfigChainTest, BrowseStoresTheShortNameAndLoadsNothing) {
    WriteBytes(At("Default.db"), Db("default", 0, 0, kMonday));
    WriteBytes(At("sub/Chosen.db"), Db("chosen", 0, 0, kMonday));
    Start();
    SetFileDialogForTesting([&](const FileDialogRequest& request) {
        EXPECT_EQ(request.fileName, "Default.db");
        return std::optional<std::string>(folder.Path() + "sub/Chosen.db");
    });
    form->BrowseClick();
    EXPECT_EQ(ConfigField(), "sub\\Chosen.db");
    EXPECT_EQ(S().PasswordScramble, "default");
    form->LoadClick();
    EXPECT_EQ(S().PasswordScramble, "chosen");
    SetFileDialogForTesting([](const FileDialogRequest&) { return std::nullopt; });
    form->BrowseClick();
    EXPECT_EQ(ConfigField(), "sub\\Chosen.db") << "cancelled: the current name, stored short";
}

TEST_F(ConfigChainTest, AutoStartBoxFollowsTheEntry) {
    std::filesystem::create_directories(sandbox.SystemFolder());
    Start();
    EXPECT_FALSE(form->AutoStart->isChecked());
    form->AutoStart->setChecked(true);
    SaveSettings(*model);
    EXPECT_TRUE(
        std::filesystem::exists(sandbox.SystemFolder() + "/io.github.quelmo.Quelmo.desktop"));
    Restart();
    EXPECT_TRUE(form->AutoStart->isChecked());
    form->AutoStart->setChecked(false);
    Restart();
    EXPECT_FALSE(form->AutoStart->isChecked());
    EXPECT_FALSE(
        std::filesystem::exists(sandbox.SystemFolder() + "/io.github.quelmo.Quelmo.desktop"));
}

// The order and values the database load passes to the window.
TEST(LoadConfigOrder, OutOfRangeActionIsPassedOnUnchanged) {
    ProgramFolder folder;
    WriteBytes(folder.Path() + "Default.db", "OffAction=7\r\nDelayAction=#1\r\n");
    FakeHost host;
    host.offIndex = host.delayIndex = 1;
    LoadConfig(host);
    const std::vector<std::string> expected = {"Off=0",   "Delay=0",      "Off=7",
                                               "Delay=1", "DelayChanged", "OffChanged"};
    EXPECT_EQ(host.events, expected);
}

TEST(LoadConfigOrder, OutOfRangeActionThroughTheWindow) {
    ProgramFolder folder;
    WriteBytes(folder.Path() + "Default.db", "OffAction=7\r\n");
    PowerDoubles doubles;
    NoticeRecorder recorder;
    TestClock clock;
    AutostartSandbox sandbox;
    SetProductWebHost("127.0.0.1:9");
    Model model;
    TForm1 form(model);
    form.DetachTick();
    EXPECT_NE(model.ActionIndex(ActionList::Off), 7);
}

} // namespace
} // namespace quelmo::test
