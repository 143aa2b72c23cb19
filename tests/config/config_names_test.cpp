// SPDX-License-Identifier: GPL-3.0-or-later
// File names as a person meets them: a program folder deep down, folders named in any script.
#include "config/paths.h"
#include "config/settings.h"
#include "tests/config/config_test_util.h"
#include "tests/support/form_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <filesystem>

namespace quelmo::test {
namespace {

class NamesTest : public FormTest {
protected:
    AutostartSandbox sandbox;
    void Restart() {
        form.reset();
        Start();
    }
    // Sets the ratings, the off action and the saved energy, and saves them all.
    void SaveChoices() {
        form->SetConfigUnlocked(true);
        form->OnP->setValue(120);
        form->OffAction->setCurrentIndex(1);
        WhSaved = 7000;
        form->SaveClick();
    }
    void ExpectChoicesBack() {
        EXPECT_EQ(form->OnP->value(), 120);
        EXPECT_EQ(WhSaved, 7000);
        EXPECT_EQ(form->OffAction->currentIndex(), 1);
    }
};

TEST_F(NamesTest, AProgramFolderDeepDownReadsBackWhatItWrote) {
    std::string deep = folder.Path();
    for (int level = 0; level < 4; ++level)
        deep += std::string(60, static_cast<char>('a' + level)) + "/";
    ASSERT_TRUE(std::filesystem::create_directories(deep));
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

} // namespace
} // namespace quelmo::test
