// The password lock of the details panel, the password change and Help.
#include "app/form1.h"

#include "config/files_folder.h"
#include "config/paths.h"
#include "http/winhttp.h"
#include "model/model.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace quelmo {

namespace {
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
    mModel.SetConfigUnlocked(unlocked);
}

void TForm1::TouchLockCountdown() {
    mModel.TouchLockCountdown();
}

void TForm1::LoginKeyDown(int virtualKey) {
    // The key has not reached the field yet: the candidate is the text with it appended.
    // Passwords are single-byte Latin-1, so that stored scrambles stay valid.
    std::string candidate = Login->text().toLatin1().toStdString();
    candidate.push_back(static_cast<char>(virtualKey & 0xFF));
    if (mModel.TryLogin(candidate))
        Login->clear();
}

void TForm1::LogOffClick() {
    mModel.SetConfigUnlocked(false);
}

void TForm1::ChangePasswordClick() {
    if (!mModel.ChangePassword(Pass1->text(), Pass2->text()))
        return;
    Login->setText(Pass1->text());
    // Red until the next Save; a disabled Save keeps its greyed text.
    QPalette palette = Save->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText, QColor(255, 0, 0));
    Save->setPalette(palette);
}

void TForm1::HelpClick() {
    // A build without a web server of its own goes straight to the pages beside the program.
    if (ProductWebHost().empty() || !OpenURL("http://" + ProductWebHost() + "/Quelmo/index.html"))
        OpenURL(LocalHelpUrl());
    mModel.TouchLockCountdown();
}

void TForm1::ShowDetailsClick() {
    mModel.SetDetailsShown(!mModel.State().DetailsShown);
}

} // namespace quelmo
