// The off-action fallback through the main window, with logind's answers from the mock.
#include "tests/power/logind_form_fixture.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>

namespace quelmo::test {
namespace {

const std::string kAdvice = "\nCheck the system's\npower settings";

struct FallbackRow {
    const char* name;
    bool delayList; // DelayAction, else OffAction
    int selected;   // −1: text typed into the list
    const char *suspend, *hibernate, *powerOff;
    const char* message; // empty: no fallback notice
    int after;           // the list's item index afterwards
};

void PrintTo(const FallbackRow& row, std::ostream* out) {
    *out << row.name;
}

class Fallback : public LogindFormTest, public ::testing::WithParamInterface<FallbackRow> {};

TEST_P(Fallback, FollowsTheTableAskingAllThreeQuestionsInOrder) {
    const FallbackRow& row = GetParam();
    Start();
    ASSERT_TRUE(S().StartupComplete);
    ASSERT_TRUE(events.empty()) << "logind allows everything at start-up";
    QComboBox* list = row.delayList ? form->DelayAction : form->OffAction;
    if (row.selected >= 0)
        list->setCurrentIndex(row.selected);
    else
        list->setEditText(QStringLiteral("Sleep"));
    ASSERT_TRUE(SetAnswer("CanSuspend", row.suspend));
    ASSERT_TRUE(SetAnswer("CanHibernate", row.hibernate));
    ASSERT_TRUE(SetAnswer("CanPowerOff", row.powerOff));
    mock->ClearCalls();

    form->OffActionChange(list);

    EXPECT_EQ(Questions(), (std::vector<std::string>{"CanSuspend", "CanHibernate", "CanPowerOff"}));
    EXPECT_EQ(TForm1::ItemIndex(list), row.after);
    const std::string message = row.message;
    if (message.empty()) {
        EXPECT_TRUE(events.empty());
    } else if (message == "Bad Power\noption selection") {
        EXPECT_EQ(events, (std::vector<std::string>{"beep", "notice " + message}));
        EXPECT_EQ(list->currentText(), QStringLiteral("Sleep"));
    } else {
        EXPECT_EQ(events, (std::vector<std::string>{"beep", "options xfce4-power-manager-settings",
                                                    "beep", "notice " + message + kAdvice}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Fallback,
    ::testing::Values(FallbackRow{"standby_allowed", true, 0, "yes", "no", "no", "", 0},
                      FallbackRow{"standby_on_challenge", false, 0, "challenge", "no", "no", "", 0},
                      FallbackRow{"standby_to_hibernate", true, 0, "no", "yes", "no",
                                  "Standby\nnot available\nwill use Hibernate", 1},
                      FallbackRow{"standby_error_to_hibernate_on_challenge", false, 0, "error",
                                  "challenge", "na", "Standby\nnot available\nwill use Hibernate",
                                  1},
                      FallbackRow{"standby_nothing_else", true, 0, "na", "no", "yes",
                                  "Standby\nnot available", 0},
                      FallbackRow{"hibernate_allowed", false, 1, "no", "yes", "no", "", 1},
                      FallbackRow{"hibernate_to_standby", false, 1, "yes", "no", "yes",
                                  "Hibernate\nnot available\nwill use Standby", 0},
                      FallbackRow{"hibernate_error_to_standby", true, 1, "challenge", "error", "no",
                                  "Hibernate\nnot available\nwill use Standby", 0},
                      FallbackRow{"hibernate_nothing_else", true, 1, "error", "na", "yes",
                                  "Hibernate\nnot available", 1},
                      FallbackRow{"shutdown_allowed", true, 2, "no", "no", "challenge", "", 2},
                      FallbackRow{"shutdown_to_hibernate_before_standby", true, 2, "yes", "yes",
                                  "no", "PowerOff\nnot available\nwill use Hibernate", 1},
                      FallbackRow{"shutdown_to_standby", true, 2, "challenge", "na", "error",
                                  "PowerOff\nnot available\nwill use Standby", 0},
                      FallbackRow{"shutdown_nothing_at_all", true, 2, "no", "error", "na",
                                  "PowerOff\nnot available", 2},
                      FallbackRow{"typed_text_delay", true, -1, "yes", "yes", "yes",
                                  "Bad Power\noption selection", -1},
                      FallbackRow{"typed_text_off_even_when_nothing_is_allowed", false, -1, "no",
                                  "no", "no", "Bad Power\noption selection", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogindFormTest, AHangingLogindCostsAboutASecondAndCountsAsNotAllowed) {
    Start();
    model->SetActionIndex(ActionList::Off, 1);
    ASSERT_TRUE(mock->AddMethod("CanHibernate", "", "s", "time.sleep(3)\nret = 'yes'"));
    QElapsedTimer timer;
    timer.start();
    form->OffActionChange(form->OffAction);
    EXPECT_LT(timer.elapsed(), platform::kLogindCallTimeoutMs + 1500);
    EXPECT_EQ(TForm1::ItemIndex(form->OffAction), 0);
    EXPECT_EQ(notices,
              std::vector<std::string>{"Hibernate\nnot available\nwill use Standby" + kAdvice});
}

TEST_F(LogindFormTest, WithoutStandbyStartUpFallsBackFourTimes) {
    ASSERT_TRUE(SetAnswer("CanSuspend", "na"));
    Start();
    ASSERT_TRUE(S().StartupComplete);
    const std::string notice = "Standby\nnot available\nwill use Hibernate" + kAdvice;
    // Both lists before the configuration is loaded, and both again after: it asks for StandBy.
    EXPECT_EQ(notices, std::vector<std::string>(4, notice));
    EXPECT_EQ(std::count(events.begin(), events.end(), "options xfce4-power-manager-settings"), 4);
    EXPECT_EQ(TForm1::ItemIndex(form->DelayAction), 1);
    EXPECT_EQ(TForm1::ItemIndex(form->OffAction), 1);
}

} // namespace
} // namespace quelmo::test
