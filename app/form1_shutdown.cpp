// The switch-off controls and the off-action fallback.
#include "app/form1.h"
#include "power/linux_wording.h"
#include "power/texts.h"

#include "config/settings.h"
#include "power/switchoff.h"

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
    NowRequested = false;
    DelayedOffSeconds = MinutesOf(DelayMins) * 60;
    Abort->hide();
    Resume->hide();
    TouchLockCountdown();
}

void TForm1::NowButtonClick() {
    DelayedOffSeconds = 12;
    Abort->show();
    Resume->hide();
    NowRequested = true;
}

void TForm1::AbortClick() {
    Abort->hide();
    if (DelayedOffSeconds != 0) {
        DelayedOffSeconds = 0;
        NowRequested = false;
    } else {
        Resume->show();
    }
}

void TForm1::ResumeClick() {
    Abort->show();
    Resume->hide();
}

void TForm1::SaveClick() {
    OnPower = OnP->value();
    OffPower = OffP->value();
    SbyPower = StandbyP->value();
    // Black again; a disabled Save keeps its greyed text.
    QPalette palette = Save->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    Save->setPalette(palette);
    SaveAll(*this);
    TouchLockCountdown();
}

void TForm1::PowerOptionsClick() {
    OpenPowerOptions();
    TouchLockCountdown();
}

void TForm1::OffActionChange(QComboBox* sender) {
    const auto i = static_cast<std::uint8_t>(ItemIndex(sender));
    const bool standby = IsPwrSuspendAllowed();
    const bool hibernate = IsPwrHibernateAllowed();
    const bool shutdown = IsPwrShutdownAllowed();
    std::string message;
    int fallback = i;
    switch (i) {
    case kStandBy:
        if (!standby) {
            message = hibernate ? Texts::Tr("Standby\nnot available\nwill use Hibernate")
                                : Texts::Tr("Standby\nnot available");
            fallback = hibernate ? kHibernate : kStandBy;
        }
        break;
    case kHibernate:
        if (!hibernate) {
            message = standby ? Texts::Tr("Hibernate\nnot available\nwill use Standby")
                              : Texts::Tr("Hibernate\nnot available");
            fallback = standby ? kStandBy : kHibernate;
        }
        break;
    case kShutDown:
        if (!shutdown) {
            if (hibernate) {
                message = Texts::Tr("PowerOff\nnot available\nwill use Hibernate");
                fallback = kHibernate;
            } else if (standby) {
                message = Texts::Tr("PowerOff\nnot available\nwill use Standby");
                fallback = kStandBy;
            } else {
                message = Texts::Tr("PowerOff\nnot available");
            }
        }
        break;
    default:
        ShowNotice(Texts::Tr("Bad Power\noption selection"));
        break;
    }
    if (!message.empty()) {
        sender->setCurrentIndex(fallback); // programmatic: raises no change event
        DefaultBeep();
        PowerOptionsClick();
        ShowNotice(message + Texts::Tr(wording::kCheckPowerSettings));
    }
    TouchLockCountdown();
}

} // namespace quelmo
