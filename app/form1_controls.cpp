// Step 1 of start-up: the window and its controls, as the control table lists them.
#include "app/background_image.h"
#include "app/form1.h"
#include "power/linux_wording.h"
#include "power/texts.h"

#include "schedule/schedule_row.h"
#include "tray/trayicon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>

namespace quelmo {

namespace {
template <typename T> T* Make(QWidget* parent, const char* name, QRect geometry) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* b = Make<QPushButton>(parent, name, geometry);
    b->setText(caption);
    return b;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* l = Make<QLabel>(parent, name, geometry);
    l->setText(caption);
    return l;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* g = Make<QGroupBox>(parent, name, geometry);
    g->setTitle(caption);
    return g;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int lo, int hi, QRect geometry) {
    auto* s = Make<QSpinBox>(parent, name, geometry);
    s->setRange(lo, hi);
    return s;
}

// A labelled edit: the label stands left of the field.
QLineEdit* MakeLabeledEdit(QWidget* parent, const char* name, const QString& caption, QRect label,
                           QRect edit, QLabel** labelOut) {
    *labelOut = MakeLabel(parent, (std::string(name) + "Label").c_str(), caption, label);
    auto* e = Make<QLineEdit>(parent, name, edit);
    (*labelOut)->setBuddy(e);
    return e;
}

QLineEdit* MakePasswordEdit(QWidget* parent, const char* name, const QString& caption, QRect label,
                            QRect edit, QLabel** labelOut) {
    auto* e = MakeLabeledEdit(parent, name, caption, label, edit, labelOut);
    e->setMaxLength(8);
    e->setEchoMode(QLineEdit::Password);
    // Shown as "*", not the style's own password character.
    e->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    return e;
}

QLineEdit* MakeCounter(QWidget* parent, const char* name, QRect geometry) {
    auto* e = Make<QLineEdit>(parent, name, geometry);
    e->setFrame(false);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    e->setFont(font);
    e->setStyleSheet(QStringLiteral("QLineEdit { color: white; background: black; }"));
    e->setText(QStringLiteral(" 26280.00 kWh"));
    return e;
}

// An editable action list. Its items are fixed: text typed into it is never added as an
// item (Enter would otherwise append it and select it as a new action code), it only leaves
// no item selected.
void MakeActionList(QComboBox* list) {
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setEditText(Texts::tr("Hibernate"));
}

} // namespace

void TForm1::BuildControls() {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(610, 562);
    // The form's face where it exists, else the nearest metric-compatible ones.
    QFont formFont;
    formFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                          QStringLiteral("DejaVu Sans")});
    formFont.setStyleHint(QFont::SansSerif);
    formFont.setPixelSize(12);
    formFont.setBold(true);
    setFont(formFont);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xd4, 0xd0, 0xc8));
    setPalette(grey);
    setAutoFillBackground(true);

    BackGroundImage = Make<BackgroundImage>(this, "BackGroundImage", rect());
    BackGroundImage->setToolTip(Texts::tr("Delayed Switch Off"));

    ConfigBox = MakeGroup(this, "ConfigBox", Texts::tr("Configuration"), QRect(0, 216, 609, 345));
    ConfigBox->setAutoFillBackground(true);
    ConfigBox->hide();
    PowerOptions = MakeButton(ConfigBox, "PowerOptions", Texts::tr(wording::kPowerSettingsButton),
                              QRect(458, 262, 142, 28));
    DelayedOffG =
        MakeGroup(ConfigBox, "DelayedOffG", Texts::tr("Delayed Off"), QRect(8, 154, 196, 98));
    DelayedOff =
        MakeButton(DelayedOffG, "DelayedOff", Texts::tr("Switch Off"), QRect(8, 60, 104, 28));
    DelayedOff->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    DelayAction = Make<QComboBox>(DelayedOffG, "DelayAction", QRect(8, 26, 104, 26));
    MakeActionList(DelayAction);

    Abort = MakeButton(this, "Abort", Texts::tr("Cancel Shutdown"), QRect(205, 158, 200, 40));
    Abort->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    TrayIcon = new TTrayIcon(this);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
    TrayIcon->RestoreOn = imMouseDown;
    TrayIcon->PopupMenuOn = imNone;

    Config = MakeLabeledEdit(ConfigBox, "Config", Texts::tr("Config."), QRect(8, 266, 50, 22),
                             QRect(58, 264, 240, 26), &ConfigLabel);
    Config->setText(QStringLiteral("Quelmo.db"));
    Browse = MakeButton(ConfigBox, "Browse", Texts::tr("Browse"), QRect(304, 262, 72, 28));
    Load = MakeButton(ConfigBox, "Load", Texts::tr("Load"), QRect(380, 262, 72, 28));

    Status = MakeLabel(this, "Status", QString(), QRect(0, 8, 610, 40));
    Status->setAlignment(Qt::AlignCenter);
    QFont statusFont = Status->font();
    statusFont.setPixelSize(24);
    statusFont.setBold(true);
    Status->setFont(statusFont);

    Login = MakePasswordEdit(this, "Login", Texts::tr("Login"), QRect(24, 108, 110, 20),
                             QRect(24, 128, 110, 26), &LoginLabel);
    LoginLabel->setStyleSheet(QStringLiteral("color: white;"));

    PassBox = MakeGroup(ConfigBox, "PassBox", Texts::tr(wording::kChangePassword),
                        QRect(412, 154, 189, 98));
    Pass1 = MakePasswordEdit(PassBox, "Pass1", Texts::tr("    New Password"), QRect(4, 24, 104, 22),
                             QRect(108, 22, 72, 22), &Pass1Label);
    Pass2 = MakePasswordEdit(PassBox, "Pass2", Texts::tr("        Confirm"), QRect(4, 48, 104, 22),
                             QRect(108, 46, 72, 22), &Pass2Label);
    ChangePassword =
        MakeButton(PassBox, "ChangePassword", Texts::tr("Change"), QRect(108, 70, 72, 24));

    Resume = MakeButton(this, "Resume", Texts::tr("Resume Shutdown"), QRect(205, 158, 200, 40));
    Resume->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));

    kWhSaved = MakeCounter(this, "kWhSaved", QRect(230, 100, 160, 26));
    kWhUsed = MakeCounter(this, "kWhUsed", QRect(230, 62, 160, 26));
    LUsed = MakeLabel(this, "LUsed", Texts::tr("Used"), QRect(164, 64, 62, 22));
    LSaved = MakeLabel(this, "LSaved", Texts::tr("Saved"), QRect(164, 102, 62, 22));
    for (QLabel* l : {LUsed, LSaved})
        l->setStyleSheet(QStringLiteral("color: white;"));

    Save = MakeButton(ConfigBox, "Save", Texts::tr("Save"), QRect(412, 302, 60, 30));
    DelayMins = MakeSpin(DelayedOffG, "DelayMins", 1, 60, QRect(118, 26, 46, 26));
    DelayMins->setValue(60);
    Label4 = MakeLabel(DelayedOffG, "Label4", Texts::tr("Mins"), QRect(166, 28, 30, 22));

    PowerBox = MakeGroup(ConfigBox, "PowerBox", Texts::tr("PC Power Consumption (Watts)"),
                         QRect(210, 154, 196, 98));
    PowerBox->setToolTip(
        Texts::tr("This is just used to estimate the power saved by using Quelmo!"));
    OnP = MakeSpin(PowerBox, "OnP", 1, 999, QRect(8, 50, 58, 26));
    OffP = MakeSpin(PowerBox, "OffP", 0, 99, QRect(72, 50, 52, 26));
    StandbyP = MakeSpin(PowerBox, "StandbyP", 0, 99, QRect(132, 50, 56, 26));
    Label2 = MakeLabel(PowerBox, "Label2", Texts::tr("On               Off          Standby"),
                       QRect(12, 28, 180, 20));

    Exit = MakeButton(ConfigBox, "Exit", Texts::tr("Exit!"), QRect(542, 302, 58, 30));
    OffAction = Make<QComboBox>(ConfigBox, "OffAction", QRect(142, 304, 104, 26));
    MakeActionList(OffAction);
    Label1 =
        MakeLabel(ConfigBox, "Label1", Texts::tr("Scheduled Off Action"), QRect(8, 306, 132, 22));

    ShowDetails =
        MakeButton(this, "ShowDetails", Texts::tr("Show Details"), QRect(446, 62, 140, 28));
    AutoStart = Make<QCheckBox>(ConfigBox, "AutoStart", QRect(254, 306, 156, 22));
    AutoStart->setText(Texts::tr(wording::kStartAtLogIn));

    NowButton = MakeButton(DelayedOffG, "NowButton", Texts::tr("Now!"), QRect(118, 60, 70, 28));
    LogOff = MakeButton(ConfigBox, "LogOff", Texts::tr("LogOff"), QRect(477, 302, 60, 30));
    Help = MakeButton(this, "Help", Texts::tr("Help"), QRect(446, 100, 140, 28));

    static constexpr const char* kRowNames[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                 "Friday", "Saturday", "Sunday"};
    // One letter per day; the day's name tells the translator which letter it is.
    static constexpr struct {
        const char* source;
        const char* comment;
    } kLetters[7] = {QT_TRANSLATE_NOOP3("Quelmo", "M", "Monday"),
                     QT_TRANSLATE_NOOP3("Quelmo", "T", "Tuesday"),
                     QT_TRANSLATE_NOOP3("Quelmo", "W", "Wednesday"),
                     QT_TRANSLATE_NOOP3("Quelmo", "T", "Thursday"),
                     QT_TRANSLATE_NOOP3("Quelmo", "F", "Friday"),
                     QT_TRANSLATE_NOOP3("Quelmo", "S", "Saturday"),
                     QT_TRANSLATE_NOOP3("Quelmo", "S", "Sunday")};
    for (int i = 0; i < 7; ++i) {
        Rows.rows[i] = Make<ScheduleRow>(ConfigBox, kRowNames[i], QRect(24, 24 + 18 * i, 576, 17));
        DayLetters[i] = MakeLabel(ConfigBox, (std::string("L") + kRowNames[i]).c_str(),
                                  Texts::tr(kLetters[i].source, kLetters[i].comment),
                                  QRect(8, 24 + 18 * i, 14, 17));
    }
    Monday = Rows.rows[0];
    Tuesday = Rows.rows[1];
    Wednesday = Rows.rows[2];
    Thursday = Rows.rows[3];
    Friday = Rows.rows[4];
    Saturday = Rows.rows[5];
    Sunday = Rows.rows[6];

    BackGroundImage->lower();
    ConnectHandlers();
}

} // namespace quelmo
