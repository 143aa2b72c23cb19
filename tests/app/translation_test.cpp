// Every text a person reads goes through the translation, and every translation fits the window.
#include "app/translations.h"
#include "power/stuff.h"
#include "power/switchoff.h"
#include "schedule/week_schedule.h"
#include "tests/support/form_fixture.h"
#include "tray/trayicon.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QTranslator>

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

namespace quelmo {
namespace {

using test::FormTest;

// Wraps every text it is asked for in markers, so that a text shown without them never went
// through the translation.
class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? QStringLiteral("[[") + QString::fromUtf8(source) + "]]"
                                 : QString();
    }
    bool isEmpty() const override { return false; }
};

// What is left of a text once the marked pieces (which may nest) are taken out: words here
// were never translated. Numbers and punctuation may stand outside the markers.
QString Unmarked(QString text) {
    static const QRegularExpression innermost(QStringLiteral("\\[\\[((?!\\[\\[|\\]\\]).)*\\]\\]"),
                                              QRegularExpression::DotMatchesEverythingOption);
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(innermost);
    }
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text).hasMatch() ? text : QString();
}

// Every text the window shows: captions, titles, list items, hints and its title.
std::vector<QString> VisibleTexts(const QWidget& window) {
    std::vector<QString> texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        texts.push_back(w->toolTip());
        // A line cut to fit is whole in its tooltip.
        if (const auto* label = qobject_cast<const QLabel*>(w);
            label && (label->toolTip().isEmpty() || !label->text().endsWith(u'…')))
            texts.push_back(label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts.push_back(button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            texts.push_back(group->title());
        if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            texts.push_back(list->currentText());
            for (int i = 0; i < list->count(); ++i)
                texts.push_back(list->itemText(i));
        }
    }
    return texts;
}

class PseudoTranslationTest : public FormTest {
protected:
    PseudoTranslator pseudo;
    void SetUp() override { QCoreApplication::installTranslator(&pseudo); }
    void TearDown() override {
        FormTest::TearDown();
        QCoreApplication::removeTranslator(&pseudo);
    }
};

TEST_F(PseudoTranslationTest, WindowNoticesAndTrayShowOnlyTranslatedTexts) {
    // Monday 09:59:00 with the schedule off from 10:00: the status line counts down.
    StartAt(2026, 12, 7, 9, 59, 0);
    S().WeekSchedule.fill(1);
    S().WeekSchedule[60] = 0;
    form->ShowDetailsClick();
    Tick();
    form->AbortClick();
    Tick();
    ASSERT_FALSE(form->Status->text().isEmpty());

    // Notices from the window and from the power code, each through its own path.
    doubles.power.canSuspend = false;
    doubles.power.canPowerOff = false;
    form->OffActionChange(form->DelayAction);
    EnableShutdownPrivilege();
    form->Pass1->setText(QStringLiteral("ab"));
    form->Pass2->setText(QStringLiteral("ab"));
    form->ChangePasswordClick();
    ASSERT_GE(recorder.notices.size(), 3u);

    std::vector<QString> texts = VisibleTexts(*form);
    for (const std::string& notice : recorder.notices)
        texts.push_back(QString::fromStdString(notice));
    texts.push_back(form->TrayIcon->Hint());
    for (const QString& text : texts)
        EXPECT_EQ(Unmarked(text), QString()) << "not translated: " << text.toStdString();
}

// The check itself: it must see a text that skipped the translation.
TEST(PseudoTranslationCheck, FindsUnmarkedWords) {
    struct Row {
        const char* name;
        const char* text;
        bool unmarked;
    } rows[] = {
        {"marked", "[[Save]]", false},
        {"nested with numbers", "[[PC will [[StandBy]] in 04:59 [[Minutes]]]]", false},
        {"appended word", "[[Hibernate\nnot available]]\nCheck the Windows", true},
        {"bare", "Start with Windows", true},
        {"numbers only", "04:59 - 100%", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(!Unmarked(QString::fromUtf8(row.text)).isEmpty(), row.unmarked) << row.name;
}

TEST(TranslationChoice, FollowsTheFirstLanguageThatHasOneUnlessEnglishComesFirst) {
    const QStringList available{QStringLiteral("de"), QStringLiteral("pt_BR")};
    struct Row {
        const char* name;
        QStringList languages;
        std::optional<QString> chosen;
    } rows[] = {
        {"German", {"de-DE", "de"}, QStringLiteral("de")},
        {"Austrian German falls back", {"de-AT"}, QStringLiteral("de")},
        {"unknown language skipped", {"fr-FR", "de"}, QStringLiteral("de")},
        {"English first", {"en-GB", "de"}, std::nullopt},
        {"C locale", {"C"}, std::nullopt},
        {"nothing available", {"fr"}, std::nullopt},
        {"Brazilian Portuguese", {"pt-BR", "pt"}, QStringLiteral("pt_BR")},
        {"Portugal's Portuguese has none", {"pt-PT", "pt", "de"}, QStringLiteral("de")},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ChooseTranslation(row.languages, available), row.chosen) << row.name;
}

// The controls whose text is wider than the room the fixed layout gives it, with the widths.
std::vector<std::string> Overflowing(const QWidget& window) {
    std::vector<std::string> found;
    auto check = [&found](const QWidget* w, const QString& text, int room) {
        const int needed = w->fontMetrics().horizontalAdvance(text);
        if (!text.isEmpty() && needed > room)
            found.push_back(w->objectName().toStdString() + " \"" + text.toStdString() +
                            "\" needs " + std::to_string(needed) + " of " + std::to_string(room));
    };
    const QStyle* style = window.style();
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (const auto* box = qobject_cast<const QCheckBox*>(w))
            check(w, box->text(),
                  w->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                      style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
        else if (const auto* button = qobject_cast<const QPushButton*>(w))
            check(w, button->text(),
                  w->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin) -
                      (button->icon().isNull() ? 0 : button->iconSize().width() + 4));
        else if (const auto* label = qobject_cast<const QLabel*>(w))
            check(w, label->text(), label->contentsRect().width());
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            check(w, group->title(), w->width() - 8);
        else if (const auto* list = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                // An editable list shows the item in its line edit, which keeps two pixels
                // clear on either side of the text.
                check(w, list->itemText(i),
                      list->lineEdit()
                          ? list->lineEdit()->contentsRect().width() - 4
                          : w->width() - style->pixelMetric(QStyle::PM_ScrollBarExtent) - 8);
    }
    return found;
}

// The power fields' caption lines its three words up over the fields with spaces: each word
// must stand over its own field (give or take the fields' frames).
std::vector<std::string> OffTheirFields(const TForm1& form) {
    std::vector<std::string> found;
    const QString text = form.Label2->text();
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    const QSpinBox* fields[] = {form.OnP, form.OffP, form.StandbyP};
    if (words.size() != 3)
        return {"Label2 \"" + text.toStdString() + "\" is not three words"};
    const QFontMetrics metrics = form.Label2->fontMetrics();
    qsizetype from = 0;
    for (int i = 0; i < 3; ++i) {
        from = text.indexOf(words[i], from);
        const int left = form.Label2->x() + metrics.horizontalAdvance(text.left(from));
        const int right = left + metrics.horizontalAdvance(words[i]);
        from += words[i].size();
        if (left < fields[i]->x() - 4 || right > fields[i]->geometry().right() + 4)
            found.push_back("\"" + words[i].toStdString() + "\" spans " + std::to_string(left) +
                            ".." + std::to_string(right) + ", its field " +
                            std::to_string(fields[i]->x()) + ".." +
                            std::to_string(fields[i]->geometry().right()));
    }
    return found;
}

// The desktop's language as the environment gives it. Qt reads it once per process, so each
// row runs as a test program of its own with LANGUAGE set (tests/app/CMakeLists.txt).
struct Language {
    const char* language;  // LANGUAGE
    const char* hibernate; // the action lists' second item
    const char* status;    // the status line an hour before the off slot, cancelled
    const char* qtCancel;  // Qt's own "Cancel", where Qt ships a translation
};
const Language kLanguages[] = {
    {"en_GB:de", "Hibernate", "PC will StandBy in 59:58 Minutes (But Aborted!)", "Cancel"},
    {"de", "Ruhezustand", "PC: Standby in 59:58 Minuten (abgebrochen!)", "Abbrechen"},
    {"fr", "Hibernation", "PC\u00a0: Veille dans 59:58 min (annulée\u00a0!)", "Annuler"},
    {"es", "Hibernación", "PC: Reposo en 59:58 min (¡cancelado!)", "Cancelar"},
    {"it", "Ibernazione", "PC: Sospensione tra 59:58 min (annullato!)", "Annulla"},
    {"nl", "Winterslaap", "PC: Standby over 59:58 min (afgebroken!)", "Annuleren"},
    {"pl", "Hibernacja", "PC: Uśpienie za 59:58 min (anulowano!)", "Anuluj"},
    {"pt_BR", "Hibernar", "Suspender o PC em 59:58 min (cancelado!)", "Cancelar"},
    {"cs", "Hibernace", "PC: Uspání za 59:58 min (zrušeno!)", "Zrušit"},
    {"sv", "Dvala", "PC: Viloläge om 59:58 min (avbrutet!)", nullptr},
    {"ru", "Гибернация", "ПК: Сон через 59:58 мин (отменено!)", "Отмена"},
    {"uk", "Гібернація", "ПК: Очікування через 59:58 хв (скасовано!)", "Скасувати"},
};

// Programs that hold the PC awake, as the status line names them. A name fits beside every
// wording; a long reason does not, and the line is cut at its end.
struct Holder {
    const char* who;
    const char* why;
    bool whole; // the status line shows it whole
};
const Holder kHolders[] = {
    {"Disc burner", "", true},
    {"Disc burner", "Writing the archive to a disc", false},
};

class LanguageTest : public FormTest {
protected:
    // False, and nothing started, in a run with another language.
    bool StartIn(const char* language) {
        if (qgetenv("LANGUAGE") != language)
            return false;
        InstallTranslations(*QCoreApplication::instance());
        // Monday 09:00, an hour before the schedule's off slot, the countdown cancelled, with
        // the details panel open.
        StartAt(2026, 12, 7, 9, 0, 0);
        S().WeekSchedule.fill(1);
        S().WeekSchedule[60] = 0;
        form->ShowDetailsClick();
        Tick();
        form->AbortClick();
        Tick();
        // For looking at the layout: QUELMO_SCREENSHOT=<file.png> saves the window.
        if (const QByteArray shot = qgetenv("QUELMO_SCREENSHOT"); !shot.isEmpty())
            form->grab().save(QString::fromLocal8Bit(shot));
        return true;
    }

    // The captions that do not fit, in every state that changes a caption: each action in
    // the status line, with minutes and with the longest hours (the off slot a week away
    // less ten minutes), held back by another program, and the details button both ways. The
    // tray's tooltip, which cuts long texts, must hold the whole countdown.
    std::vector<std::string> OverflowingInEveryState() {
        std::set<std::string> found;
        auto check = [&] {
            for (const std::string& f : Overflowing(*form))
                found.insert(f);
        };
        check();
        auto eachAction = [&](const char* countdown) {
            for (int i = 0; i < form->OffAction->count(); ++i) {
                model->SetActionIndex(ActionList::Off, i);
                Tick();
                const QString status = form->Status->text();
                EXPECT_TRUE(status.contains(QLatin1String(countdown))) << status.toStdString();
                EXPECT_EQ(form->TrayIcon->Hint(), status);
                check();
            }
        };
        eachAction(" 59:5");
        S().WeekSchedule[60] = 1;
        S().WeekSchedule[53] = 0; // Monday 08:50
        eachAction(" 167:49:5");
        // A delayed switch-off of each action held back by another program's block lock,
        // which the status line names; the tray's tooltip may cut the line.
        doubles.power.blockInhibited = "sleep:shutdown";
        for (const Holder& holder : kHolders) {
            doubles.power.inhibitors = {{"sleep:shutdown", holder.who, holder.why, "block"}};
            for (int i = 0; i < form->DelayAction->count(); ++i) {
                model->SetActionIndex(ActionList::Delay, i);
                form->DelayMins->setValue(1);
                form->DelayedOffClick();
                Tick(61);
                const QString& status = S().StatusText;
                EXPECT_TRUE(status.contains(QLatin1String(holder.who))) << status.toStdString();
                EXPECT_EQ(form->TrayIcon->Hint(), status.left(63));
                if (holder.whole) {
                    EXPECT_EQ(form->Status->text().toStdString(), status.toStdString());
                } else {
                    EXPECT_TRUE(form->Status->text().endsWith(u'…'));
                    EXPECT_EQ(form->Status->toolTip(), status);
                }
                check();
                form->AbortClick();
                Tick();
            }
        }
        form->ShowDetailsClick(); // hides the panel
        Tick();
        check();
        return {found.begin(), found.end()};
    }
};

TEST_F(LanguageTest, EveryTranslationLoadsAndFitsTheWindow) {
    const QByteArray current = qgetenv("LANGUAGE");
    const auto row = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                  [&](const Language& l) { return current == l.language; });
    if (row == std::end(kLanguages)) {
        if (QFile::exists(":/i18n/quelmo_" + current + ".qm"))
            ADD_FAILURE() << "translations/quelmo_" << current.data() << ".ts has no row here";
        GTEST_SKIP() << "runs with LANGUAGE set to a row's";
    }
    ASSERT_TRUE(StartIn(row->language));
    EXPECT_EQ(form->OffAction->itemText(1), QString::fromUtf8(row->hibernate));
    // The countdown's and the counters' digits keep their format in every language.
    EXPECT_EQ(form->Status->text(), QString::fromUtf8(row->status));
    EXPECT_EQ(FormatKwh(1.5), "00001.50 kWh");
    EXPECT_EQ(OverflowingInEveryState(), std::vector<std::string>{});
    EXPECT_EQ(OffTheirFields(*form), std::vector<std::string>{});
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" +
                      QString::fromLatin1(row->language) + ".qm")) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QString::fromUtf8(row->qtCancel));
    }
}

TEST_F(LanguageTest, GermanNoticeFromThePowerCode) {
    if (!StartIn("de"))
        GTEST_SKIP() << "runs with LANGUAGE=de";
    EXPECT_EQ(FormatCountdown(599.0 / 86400), "09:59 Minuten");
    EnableShutdownPrivilege();
    doubles.power.canPowerOff = false;
    EnableShutdownPrivilege();
    EXPECT_EQ(recorder.notices, std::vector<std::string>{"Ausschalten ist nicht erlaubt\n(polkit: "
                                                         "org.freedesktop.login1.power-off)"});
}

} // namespace
} // namespace quelmo
