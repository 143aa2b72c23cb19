// The password lock of the details panel, the password change and Help.
#include "app/form1.h"

#include "config/paths.h"
#include "config/settings.h"
#include "http/winhttp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace quelmo {

namespace {
constexpr int kUnlockSeconds = 300;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return text;
}
} // namespace

void TForm1::SetConfigUnlocked(bool unlocked) {
    for (QWidget* w : {static_cast<QWidget*>(Config), static_cast<QWidget*>(Browse),
                       static_cast<QWidget*>(Load)})
        w->setEnabled(unlocked);
    Save->setEnabled(unlocked && !ConfigIsUrl(ConfigText()));
    for (QWidget* w : std::initializer_list<QWidget*>{LogOff, Exit, OnP, OffP, StandbyP, Pass1,
                                                      Pass2, ChangePassword, OffAction, AutoStart})
        w->setEnabled(unlocked);
    if (unlocked) {
        LockCountdown = kUnlockSeconds;
        ConfigBox->show();
    } else {
        LockCountdown = 0;
        Login->clear();
    }
    ConfigBox->update();
}

void TForm1::TouchLockCountdown() {
    if (LockCountdown != 0)
        LockCountdown = kUnlockSeconds;
}

void TForm1::LoginKeyDown(int virtualKey) {
    if (LockCountdown != 0)
        return;
    std::string candidate = Login->text().toLatin1().toStdString();
    candidate.push_back(static_cast<char>(virtualKey & 0xFF));
    if (ScramblePassword(Lower(candidate)) == PasswordScramble) {
        SetConfigUnlocked(true);
        Login->clear();
    }
}

void TForm1::LogOffClick() {
    SetConfigUnlocked(false);
}

void TForm1::ChangePasswordClick() {
    const std::string first = Pass1->text().toLatin1().toStdString();
    if (first.size() < 4) {
        ShowNotice("New password\nis too short");
    } else if (first != Pass2->text().toLatin1().toStdString()) {
        ShowNotice("New password and confirmation\ndo not match");
    } else {
        PasswordScramble = ScramblePassword(Lower(first));
        Login->setText(Pass1->text());
        QPalette palette = Save->palette();
        palette.setColor(QPalette::ButtonText, QColor(255, 0, 0));
        Save->setPalette(palette);
        SaveAll(*this);
    }
    TouchLockCountdown();
}

void TForm1::HelpClick() {
    if (!OpenURL("http://" + ProductWebHost() + "/Quelmo/index.html"))
        OpenURL("file://" + ProgramFolder + "help\\index.html");
    TouchLockCountdown();
}

void TForm1::ShowDetailsClick() {
    ConfigBox->setVisible(ConfigBox->isHidden());
}

} // namespace quelmo
