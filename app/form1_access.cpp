// The password lock of the details panel, the password change and Help.
#include "app/form1.h"
#include "power/texts.h"

#include "config/files_folder.h"
#include "config/paths.h"
#include "config/settings.h"
#include "http/winhttp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>

namespace quelmo {

namespace {
constexpr int kUnlockSeconds = 300;

// Texts are single-byte Latin-1; its capitals (A–Z, À–Þ but ×) lower-case by +32, so that a
// password matches in either case whatever letters it holds.
std::string Lower(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = static_cast<char>(u + 32);
    }
    return text;
}

std::string Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// The local help page (beside the program, or installed with it), as a URL that survives
// blanks and other characters of the folder's name.
std::string LocalHelpUrl() {
    const std::string folder = HelpFolderFor(FolderOf(ProgramFileOsPath()));
    return QUrl::fromLocalFile(QString::fromStdString(folder) + QStringLiteral("/index.html"))
        .toString(QUrl::FullyEncoded)
        .toStdString();
}
} // namespace

void TForm1::SetConfigUnlocked(bool unlocked) {
    for (QWidget* w : {static_cast<QWidget*>(Config), static_cast<QWidget*>(Browse),
                       static_cast<QWidget*>(Load)})
        w->setEnabled(unlocked);
    // A configuration fetched from a web server cannot be written back.
    Save->setEnabled(unlocked && !ConfigIsUrl(ConfigText()));
    for (QWidget* w : std::initializer_list<QWidget*>{LogOff, Exit, OnP, OffP, StandbyP, Pass1,
                                                      Pass2, ChangePassword, OffAction, AutoStart})
        w->setEnabled(unlocked);
    if (unlocked) {
        LockCountdown = kUnlockSeconds;
        ConfigBox->show();
    } else {
        // Locking never hides the panel: anyone may look at it.
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
    // The key has not reached the field yet: the candidate is the text with it appended.
    std::string candidate = Bytes(Login->text());
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
    if (Pass1->text().size() < 4) {
        ShowNotice(Texts::Tr("New password\nis too short"));
    } else if (Pass1->text() != Pass2->text()) {
        ShowNotice(Texts::Tr("New password and confirmation\ndo not match"));
    } else {
        PasswordScramble = ScramblePassword(Lower(Bytes(Pass1->text())));
        Login->setText(Pass1->text());
        // Red until the next Save; a disabled Save keeps its greyed text.
        QPalette palette = Save->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::ButtonText, QColor(255, 0, 0));
        Save->setPalette(palette);
        SaveAll(*this);
    }
    TouchLockCountdown();
}

void TForm1::HelpClick() {
    // A build without a web server of its own goes straight to the pages beside the program.
    if (ProductWebHost().empty() || !OpenURL("http://" + ProductWebHost() + "/Quelmo/index.html"))
        OpenURL(LocalHelpUrl());
    TouchLockCountdown();
}

void TForm1::ShowDetailsClick() {
    ConfigBox->setVisible(ConfigBox->isHidden());
}

} // namespace quelmo
