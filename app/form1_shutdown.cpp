// The switch-off controls and the action lists.
#include "app/form1.h"

#include "model/model.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace quelmo {

int TForm1::ItemIndex(const QComboBox* list) {
    const int index = list->currentIndex();
    if (index < 0 || list->currentText() != list->itemText(index))
        return -1;
    return index;
}

namespace {
// The minutes as typed: the spin box commits its text only when it loses the focus, and a text
// that is not a number reads as the minimum.
int MinutesOf(const QSpinBox* minutes) {
    bool isNumber = false;
    const int typed = minutes->cleanText().toInt(&isNumber);
    return std::clamp(isNumber ? typed : minutes->minimum(), minutes->minimum(),
                      minutes->maximum());
}
} // namespace

void TForm1::DelayedOffClick() {
    mModel.DelayedOff(MinutesOf(DelayMins));
}

void TForm1::NowButtonClick() {
    mModel.SwitchOffNow();
}

void TForm1::AbortClick() {
    mModel.Abort();
}

void TForm1::ResumeClick() {
    mModel.Resume();
}

void TForm1::SaveClick() {
    // Black again; a disabled Save keeps its greyed text.
    QPalette palette = Save->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    Save->setPalette(palette);
    mModel.SaveRatings(OnP->value(), OffP->value(), StandbyP->value());
}

void TForm1::PowerOptionsClick() {
    mModel.PowerOptions();
}

void TForm1::OffActionChange(QComboBox* sender) {
    mModel.ChooseAction(sender == DelayAction ? ActionList::Delay : ActionList::Off,
                        {ItemIndex(sender), sender->currentText()});
}

} // namespace quelmo
