// The one-second tick: everything time-driven, in a fixed order.
#include "app/form1.h"
#include "power/texts.h"

#include "config/paths.h"
#include "config/settings.h"
#include "fleet/config_refresh.h"
#include "fleet/device_id.h"
#include "fleet/report_host.h"
#include "http/winhttp.h"
#include "power/switchoff.h"
#include "schedule/week_schedule.h"
#include "tray/trayicon.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>
#include <cstdio>

namespace quelmo {

namespace {
constexpr double kTenMinutes = 600.0 / 86400;

// Whole seconds of a day count, truncated. The counts the tick sees are whole seconds divided
// by 86400; the tolerance keeps 540/86400 from reading as 539.
long long WholeSeconds(double days) {
    return static_cast<long long>(std::floor(days * 86400 + 1e-6));
}

// Each property set on a widget costs its update, accessibility and layout work even while the
// window sits hidden in the tray: the tick sets only what has changed.
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

template <typename... Args> std::string Format(const char* format, Args... args) {
    char text[128];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}
} // namespace

std::string FormatCountdown(double days) {
    // Marked with their context: lupdate loses the class's scope in a function returning
    // std::string. The numbers keep their format in every language.
    static constexpr const char* kUnits[] = {QT_TRANSLATE_NOOP("Quelmo", "Hours"),
                                             QT_TRANSLATE_NOOP("Quelmo", "Minutes"),
                                             QT_TRANSLATE_NOOP("Quelmo", "Seconds")};
    const long long s = WholeSeconds(days);
    const int h = static_cast<int>(s / 3600), m = static_cast<int>(s % 3600 / 60),
              sec = static_cast<int>(s % 60);
    if (h != 0)
        return Format("%d:%02d:%02d ", h, m, sec) + Texts::Tr(kUnits[0]);
    if (m != 0)
        return Format("%02d:%02d ", m, sec) + Texts::Tr(kUnits[1]);
    return Format("%02d ", sec) + Texts::Tr(kUnits[2]);
}

std::string FormatKwh(double kwh) {
    if (kwh > 99999)
        kwh = 99999;
    const int d = static_cast<int>(kwh);
    const int h = static_cast<int>((kwh - d) * 100);
    return Format("%05d.%02d kWh", d, h);
}

void TForm1::Timer1Timer() {
    // Whatever step ends the tick, those who follow the window hear of it.
    struct AtEnd {
        TForm1* form;
        ~AtEnd() { emit form->Ticked(); }
    } atEnd{this};
    if (mTickAttached)
        ScheduleNextTick(); // first, so that ticks keep coming inside a fetch

    const DayCount reading = LocalStandardNow();
    const long long jumpMillis = std::llround((reading - LastClock) * 86400000.0);
    LastClock = reading;

    if (EditHoldOff != 0)
        --EditHoldOff;
    if (!NowRequested)
        TimeToNextOn = TimeToNextSwitch(1);

    if (jumpMillis > 30000) { // resumed from standby, or the clock was set forward
        SetConfigUnlocked(false);
        LoadConfig(*this);
        ConfigBox->update(); // the rows show the schedule just loaded
    }

    if (LockCountdown != 0) {
        if (!Login->text().isEmpty())
            Login->clear();
        if (--LockCountdown == 0)
            SetConfigUnlocked(false);
    }

    // Nobody sees the window in the notification area: its controls wait for its return.
    const bool seen = !TrayIcon->InTray();
    if (seen) {
        ShowDetailsCaption();
        Rows.DrawTimeMarker(false);
    }
    mRefresh->Tick();

    WhUsed += OnPower / 3600;
    const double used = WhUsed * 0.001;
    if (TickCount > 5 && static_cast<long long>(used) != LastReportedKwh)
        UsageReport(used);
    if (seen)
        ShowCounters();

    ++TickCount;
    // Every tenth minute's save waits for the disk, so that a crash loses at most ten minutes
    // whatever the system's write-back delay.
    if (TickCount % 60 == 0)
        SaveSettings(*this, TickCount % 600 == 0 ? SaveKind::Durable : SaveKind::Routine);
    if (TickCount == 30 && ConfigBox->isHidden())
        TrayIcon->Minimize();

    const bool delayed = DelayedOffSeconds != 0;
    double r;
    if (delayed) {
        --DelayedOffSeconds;
        r = DelayedOffSeconds / 86400.0;
        if (DelayedOffSeconds < 60)
            DelayMins->setValue(DelayedOffSeconds); // clamps to 1..60
    } else {
        r = TimeToNextSwitch(0);
        if (EditHoldOff != 0)
            return; // the schedule is being edited
    }

    if (r > 7.0) {
        Countdown = {};
        mStatusText.clear();
        if (seen)
            ShowStatus();
        TrayIcon->SetHint(QString());
        Abort->hide();
        Resume->hide();
        return;
    }

    const QString action =
        DelayedOffSeconds != 0 ? DelayAction->currentText() : OffAction->currentText();
    // The countdown's numbers keep their format in every language; only the words change.
    std::string text = Texts::tr("PC will %1 in %2")
                           .arg(action, QString::fromStdString(FormatCountdown(r)))
                           .toStdString();
    if (!Resume->isHidden())
        text += Texts::Tr(" (But Aborted!)");
    mStatusGreen = r < 1.0 / 24;
    mStatusText = QString::fromUtf8(text); // the action's text as the list holds it
    if (seen)
        ShowStatus();
    TrayIcon->SetHint(mStatusText);
    Countdown = {static_cast<int>(WholeSeconds(r)), delayed};

    if (Abort->isHidden() && Resume->isHidden())
        Abort->show();
    if (!Resume->isHidden()) {
        Abort->hide();
        return; // cancelled: shown, but neither warns nor switches off
    }
    if (r >= kTenMinutes)
        return;

    const long long s = WholeSeconds(r);
    const long long minutes = s / 60, seconds = s % 60;

    if (WallClockNow() - StartTime < kTenMinutes) {
        StartTime = 0; // fires once per run, and before a nested tick could see it
        if (DelayedOffSeconds == 0) {
            Abort->hide();
            Resume->show();
            ShowNotice(
                Texts::Tr("Pending scheduled shutdown ignored\nas Quelmo! has just been started"));
            return;
        }
    }

    if ((minutes != 0 && seconds == 0) || (minutes == 0 && seconds < 20)) {
        DefaultBeep();
        TrayIcon->Restore();
        const bool last = delayed ? DelayedOffSeconds == 0 : s <= 1;
        if (last)
            SwitchOff(delayed);
    }
}

void TForm1::ShowDetailsCaption() {
    const QString caption =
        ConfigBox->isHidden() ? Texts::tr("Show Details") : Texts::tr("Hide Details");
    if (ShowDetails->text() != caption)
        ShowDetails->setText(caption);
}

void TForm1::ShowCounters() {
    ShowText(kWhUsed, QString::fromLatin1(FormatKwh(WhUsed * 0.001)));
    ShowText(kWhSaved, QString::fromLatin1(FormatKwh(WhSaved * 0.001)));
}

void TForm1::ShowStatus() {
    if (mStatusText.isEmpty()) {
        if (!Status->text().isEmpty())
            Status->clear();
        return;
    }
    const bool restyled =
        StyleStatus(Status, mStatusGreen ? QColor(0, 255, 0) : QColor(255, 255, 255));
    if (restyled || Status->text() != mStatusText) {
        Status->setText(mStatusText);
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

void TForm1::showEvent(QShowEvent* event) {
    ShowTickResults(); // what the ticks worked out while the window was in the tray
    QWidget::showEvent(event);
}

void TForm1::SwitchOff(bool delayed) {
    Abort->hide();
    Resume->hide();
    if (!NowRequested)
        TimeToNextOn = TimeToNextSwitch(1);
    int code;
    if (delayed) {
        code = ItemIndex(DelayAction);
        if (NowRequested) {
            NowRequested = false;
            TimeToNextOn = 1.0 / 1440;
        }
    } else {
        code = ItemIndex(OffAction);
    }
    const double hours = TimeToNextOn * 24;
    if (code == kStandBy)
        WhSaved += (OnPower - SbyPower) * hours;
    else if (code == kHibernate || code == kShutDown)
        WhSaved += (OnPower - OffPower) * hours;
    SaveSettings(*this);
    // A notice about the wake-up timer comes after the power action, and its box is there when
    // the PC is back.
    const NoticeHold hold;
    ArmWakeTimer(TimeToNextOn, code);
    emit SwitchingOff();
    PerformPowerAction(code);
}

void TForm1::UsageReport(double kwhUsed) {
    const int k = static_cast<int>(kwhUsed);
    LastReportedKwh = k; // first, so that a tick nested in the fetch does not send it again
    const std::string url = UsageReportUrl(k, static_cast<int>(WhSaved * 0.001), DeviceId());
    if (!url.empty()) // no report host chosen: nothing leaves the PC
        HTTPReadString(url, 900);
}

} // namespace quelmo
