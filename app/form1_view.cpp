// What the model holds, in the window's controls.
#include "app/form1.h"

#include "config/settings.h"
#include "model/model.h"
#include "power/texts.h"
#include "tray/trayicon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace quelmo {

namespace {
// Each property set on a widget costs its update, accessibility and layout work even while the
// window sits hidden in the tray: only what has changed is set.
void ShowText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

// The status line's size and colour; true when either changed.
bool StyleStatus(QLabel* status, const QColor& colour) {
    bool changed = false;
    if (status->font().pointSize() != 18) {
        QFont font = status->font();
        font.setPointSize(18);
        status->setFont(font);
        changed = true;
    }
    if (status->palette().color(QPalette::WindowText) != colour) {
        QPalette palette = status->palette();
        palette.setColor(QPalette::WindowText, colour);
        status->setPalette(palette);
        changed = true;
    }
    return changed;
}
} // namespace

void TForm1::ConnectModel() {
    connect(&mModel, &Model::Changed, this, &TForm1::ShowCountdownButtons);
    connect(&mModel, &Model::Ticked, this, [this] {
        // Nobody sees the window in the notification area: its controls wait for its return.
        if (!TrayIcon->InTray())
            ShowTickResults();
    });
    connect(&mModel, &Model::LoginCleared, this, [this] {
        if (!Login->text().isEmpty())
            Login->clear();
    });
    connect(&mModel, &Model::LockChanged, this, &TForm1::ShowLock);
    connect(&mModel, &Model::ConfigChanged, this, [this] {
        ShowActions();
        ConfigBox->update(); // the rows show the schedule as it is now
    });
    connect(&mModel, &Model::SettingsChanged, this, &TForm1::ShowSettings);
    connect(&mModel, &Model::RatingEditsChanged, this, [this](int on, int off, int standby) {
        OnP->setValue(on);
        OffP->setValue(off);
        StandbyP->setValue(standby);
    });
    connect(&mModel, &Model::DelayMinsChanged, DelayMins, &QSpinBox::setValue);
    connect(&mModel, &Model::Ending, this, &TForm1::Released);
    // What the person changes in the panel is the model's from then on.
    connect(Config, &QLineEdit::textChanged, this,
            [this](const QString& text) { mModel.EditConfigName(text.toUtf8().toStdString()); });
    connect(AutoStart, &QCheckBox::toggled, this, [this](bool on) { mModel.EditAutoStart(on); });
}

void TForm1::ShowCountdownButtons() {
    const CountdownState countdown = mModel.State().Countdown;
    const bool abort = countdown == CountdownState::Armed || countdown == CountdownState::Held;
    const bool resume = countdown == CountdownState::Cancelled;
    if (Abort->isHidden() == abort)
        Abort->setVisible(abort);
    if (Resume->isHidden() == resume)
        Resume->setVisible(resume);
}

void TForm1::ShowDetailsCaption() {
    const QString caption =
        mModel.State().DetailsShown ? Texts::tr("Hide Details") : Texts::tr("Show Details");
    if (ShowDetails->text() != caption)
        ShowDetails->setText(caption);
}

void TForm1::ShowCounters() {
    const ProgramState& s = mModel.State();
    ShowText(kWhUsed, QString::fromLatin1(FormatKwh(s.WhUsed * 0.001)));
    ShowText(kWhSaved, QString::fromLatin1(FormatKwh(s.WhSaved * 0.001)));
}

void TForm1::ShowStatus() {
    const ProgramState& s = mModel.State();
    if (s.StatusText.isEmpty()) {
        if (!Status->text().isEmpty())
            Status->clear();
        if (!Status->toolTip().isEmpty())
            Status->setToolTip(QString());
        return;
    }
    const bool restyled =
        StyleStatus(Status, s.StatusGreen ? QColor(0, 255, 0) : QColor(255, 255, 255));
    // Other programs' names and reasons can make the line wider than the window: a centred line
    // would lose both ends, so it is cut at the end and whole in the tooltip.
    const QString shown = Status->fontMetrics().elidedText(s.StatusText, Qt::ElideRight,
                                                           Status->contentsRect().width());
    const QString whole = shown == s.StatusText ? QString() : s.StatusText;
    if (Status->toolTip() != whole)
        Status->setToolTip(whole);
    if (restyled || Status->text() != shown) {
        Status->setText(shown);
        // At once, as a nested loop may hold the next paint back; nobody sees a minimised one.
        if (!isMinimized())
            Status->repaint();
    }
}

void TForm1::ShowTickResults() {
    ShowDetailsCaption();
    Rows.DrawTimeMarker(false);
    ShowCounters();
    ShowStatus();
}

void TForm1::ShowLock() {
    const ProgramState& s = mModel.State();
    const bool unlocked = s.LockCountdown != 0;
    for (QWidget* w : {static_cast<QWidget*>(Config), static_cast<QWidget*>(Browse),
                       static_cast<QWidget*>(Load)})
        w->setEnabled(unlocked);
    Save->setEnabled(s.SaveEnabled);
    for (QWidget* w : std::initializer_list<QWidget*>{LogOff, Exit, OnP, OffP, StandbyP, Pass1,
                                                      Pass2, ChangePassword, OffAction, AutoStart})
        w->setEnabled(unlocked);
    if (ConfigBox->isHidden() == s.DetailsShown)
        ConfigBox->setVisible(s.DetailsShown);
    if (!unlocked)
        Login->clear();
    ConfigBox->update();
}

void TForm1::ShowActions() {
    for (const auto& [list, box] :
         {std::pair{ActionList::Delay, DelayAction}, std::pair{ActionList::Off, OffAction}}) {
        const int index = mModel.ActionIndex(list);
        // Text typed into the list stays as it is; a list the model set follows it.
        if (ItemIndex(box) != index)
            box->setCurrentIndex(index);
    }
}

void TForm1::ShowSettings() {
    const ProgramState& s = mModel.State();
    const QString config = QString::fromUtf8(s.Config);
    if (Config->text() != config)
        Config->setText(config);
    if (AutoStart->isChecked() != s.AutoStart)
        AutoStart->setChecked(s.AutoStart);
}

} // namespace quelmo
