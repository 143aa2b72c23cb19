// SPDX-License-Identifier: GPL-3.0-or-later
// File names as a person meets them: a program folder deep down, folders named in any script.
#include "config/file_dialog.h"
#include "config/paths.h"
#include "config/settings.h"
#include "tests/config/config_test_util.h"
#include "tests/support/form_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace quelmo::test {
namespace {

class NamesTest : public FormTest {
protected:
    AutostartSandbox sandbox;
    void Restart() {
        Stop();
        Start();
    }
    // Sets the ratings, the off action and the saved energy, and saves them all.
    void SaveChoices() {
        form->SetConfigUnlocked(true);
        form->OnP->setValue(120);
        model->SetActionIndex(ActionList::Off, 1);
        S().WhSaved = 7000;
        form->SaveClick();
    }
    void ExpectChoicesBack() {
        EXPECT_EQ(form->OnP->value(), 120);
        EXPECT_EQ(S().WhSaved, 7000);
        EXPECT_EQ(form->OffAction->currentIndex(), 1);
    }
};

TEST_F(NamesTest, AProgramFolderDeepDownReadsBackWhatItWrote) {
    std::string deep = folder.Path();
    for (int level = 0; level < 4; ++level)
        deep.append(60, static_cast<char>('a' + level)).append("/");
    ASSERT_TRUE(std::filesystem::create_directories(deep));
    std::fclose(std::fopen((deep + "Quelmo.ini").c_str(), "wb")); // a portable copy
    SetProgramPathForTesting(deep + "quelmo");
    Start();
    ASSERT_GT(MakeAbsolute("Quelmo.ini").size(), kMaxPathLength);
    SaveChoices();
    ASSERT_TRUE(std::filesystem::exists(deep + "Quelmo.ini"));
    Restart();
    ExpectChoicesBack();

    // A stored name too long to resolve is neither written nor read.
    std::string tooLong;
    while (tooLong.size() <= kMaxPathLength)
        tooLong += "n/";
    form->Config->setText(QString::fromStdString(tooLong + "x.db"));
    form->SaveClick();
    EXPECT_FALSE(std::filesystem::exists(deep + "n"));
}

// A folder named in three scripts, as the file system holds it (UTF-8 bytes).
const std::string kFolder = "j\xc3\xbcrgen/\xd0\x9a\xd0\xbe\xd0\xbd\xd1\x84\xd0\xb8\xd0\xb3/"
                            "\xe8\xa8\xad\xe5\xae\x9a/";

TEST_F(NamesTest, NonAsciiFoldersWorkThroughTheFieldAndBrowseAndSurviveARestart) {
    WriteBytes(folder.Path() + kFolder + "Typed.db", "Password=typed\r\n");
    WriteBytes(folder.Path() + kFolder + "Browsed.db", "Password=browsed\r\n");
    Start();
    form->SetConfigUnlocked(true);
    form->Config->setText(QString::fromUtf8(kFolder + "Typed.db")); // typed or pasted
    form->LoadClick();
    EXPECT_EQ(S().PasswordScramble, "typed");

    SetFileDialogForTesting([&](const FileDialogRequest& request) {
        EXPECT_EQ(request.folder + "/", folder.Path() + kFolder);
        return std::optional<std::string>(folder.Path() + kFolder + "Browsed.db");
    });
    form->BrowseClick();
    SetFileDialogForTesting(nullptr);
    const std::string stored = ToBackslashes(kFolder) + "Browsed.db";
    EXPECT_EQ(form->Config->text(), QString::fromUtf8(stored));
    form->LoadClick();
    EXPECT_EQ(S().PasswordScramble, "browsed");

    SaveChoices();
    EXPECT_EQ(ReadBytes(folder.Path() + "Quelmo.ini").value_or("").substr(0, 7 + stored.size()),
              "DbFile=" + stored);
    Restart();
    EXPECT_EQ(form->Config->text(), QString::fromUtf8(stored));
    EXPECT_EQ(S().PasswordScramble, "browsed");
    ExpectChoicesBack();
}

TEST_F(NamesTest, TheStatusLineShowsAnActionTextAsTyped) {
    StartAt(2024, 6, 3, 8, 0, 0);
    form->DelayAction->setEditText(QString::fromUtf8("Veille \xc3\xa9t\xc3\xa9"));
    form->OffActionChange(form->DelayAction); // as typing it does
    form->DelayedOffClick();
    Tick();
    EXPECT_EQ(form->Status->text(),
              QString::fromUtf8("PC will Veille \xc3\xa9t\xc3\xa9 in 59:59 Minutes"));
}

} // namespace
} // namespace quelmo::test
