// What the settings and configuration code reads and sets in the window, and its two buttons.
#include "app/form1.h"
#include "power/texts.h"

#include "config/paths.h"
#include "config/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace quelmo {

// The field holds a file name or a URL: the file system's bytes, which are UTF-8 here.
std::string TForm1::ConfigText() const {
    return Config->text().toUtf8().toStdString();
}
void TForm1::SetConfigText(const std::string& text) {
    Config->setText(QString::fromUtf8(text));
}

void TForm1::SetRatingEdits(int on, int off, int standby) {
    OnP->setValue(on);
    OffP->setValue(off);
    StandbyP->setValue(standby);
}

bool TForm1::AutoStartChecked() const {
    return AutoStart->isChecked();
}
void TForm1::SetAutoStartChecked(bool checked) {
    AutoStart->setChecked(checked);
}

int TForm1::ActionIndex(ActionList list) const {
    return ItemIndex(list == ActionList::Delay ? DelayAction : OffAction);
}

void TForm1::SetActionIndex(ActionList list, int index) {
    QComboBox* box = list == ActionList::Delay ? DelayAction : OffAction;
    // An index beyond the list leaves no item selected, as the list's own rule has it.
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void TForm1::ActionListChanged(ActionList list) {
    OffActionChange(list == ActionList::Delay ? DelayAction : OffAction);
}

bool TForm1::SaveEnabled() const {
    return Save->isEnabled();
}

void TForm1::BrowseClick() {
    const std::string chosen = BrowseForFile(this, ProgramFolder, ConfigText(),
                                             Texts::Tr("Config Files") + " (*.db)|*.DB", "db");
    SetConfigText(ShortPath(chosen));
    TouchLockCountdown();
}

void TForm1::LoadClick() {
    LoadConfig(*this);
    ConfigBox->update(); // the rows show the schedule just loaded
    TouchLockCountdown();
}

} // namespace quelmo
