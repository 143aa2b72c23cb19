// The RTC alarm's helper, which pkexec runs as root: built for the tests it writes a stand-in
// attribute, and sets one alarm within eight days or clears it. Every other input is refused.
#include "tests/power/unprivileged.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace quelmo::test {
namespace {

constexpr long long kEightDays = 8LL * 24 * 3600;

class WakealarmHelper : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile(attribute).open(QIODevice::WriteOnly));
        // Nobody may write it, so that a run as nobody shows whether it was used at all.
        ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ExeOwner | QFile::ReadOther |
                                                          QFile::ExeOther));
        ASSERT_TRUE(QFile::setPermissions(attribute, QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ReadOther | QFile::WriteOther));
    }
    int Helper(const QStringList& arguments) const {
        return RunCommand(QStringList{QStringLiteral(WAKEALARM_TEST_BUILD)} + arguments,
                          {QStringLiteral("QUELMO_TEST_WAKEALARM=") + attribute})
            .exitCode;
    }
    std::string Written() const {
        QFile file(attribute);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(unreadable)";
    }
    static QString At(long long second) { return QString::number(second); }

    QTemporaryDir dir;
    QString attribute = dir.filePath(QStringLiteral("wakealarm"));
    const long long now = std::time(nullptr);
};

TEST_F(WakealarmHelper, SetsTheAlarmAfterClearingTheOldOneAndClearsIt) {
    EXPECT_EQ(Helper({At(now + 3600)}), 0);
    EXPECT_EQ(Helper({At(now + kEightDays - 60)}), 0) << "eight days ahead is the limit";
    EXPECT_EQ(Helper({QStringLiteral("clear")}), 0);
    EXPECT_EQ(Written(), "0\n" + std::to_string(now + 3600) + "\n0\n" +
                             std::to_string(now + kEightDays - 60) + "\n0\n");
}

struct RefusedRow {
    const char* name;
    // "N" stands for a second an hour ahead, "P" for one a minute ago, "F" for one a minute
    // beyond eight days.
    QStringList arguments;
};

void PrintTo(const RefusedRow& row, std::ostream* out) {
    *out << row.name;
}

class Refusals : public WakealarmHelper, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(Refusals, AreRefusedAndTouchNothing) {
    QStringList arguments;
    for (QString argument : GetParam().arguments) {
        argument.replace(QLatin1Char('N'), At(now + 3600));
        argument.replace(QLatin1Char('P'), At(now - 60));
        argument.replace(QLatin1Char('F'), At(now + kEightDays + 60));
        arguments << argument;
    }
    EXPECT_EQ(Helper(arguments), 1) << arguments.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Written(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Helper, Refusals,
    ::testing::Values(RefusedRow{"no_argument", {}}, RefusedRow{"an_extra_argument", {"N", "N"}},
                      RefusedRow{"clear_with_more", {"clear", "N"}},
                      RefusedRow{"a_path_first", {"/tmp/wakealarm", "N"}},
                      RefusedRow{"empty", {""}}, RefusedRow{"a_word", {"set"}},
                      RefusedRow{"clear_in_capitals", {"CLEAR"}}, RefusedRow{"zero", {"0"}},
                      RefusedRow{"negative", {"-N"}}, RefusedRow{"relative_plus", {"+N"}},
                      RefusedRow{"leading_blank", {" N"}}, RefusedRow{"trailing_blank", {"N "}},
                      RefusedRow{"trailing_newline", {"N\n"}}, RefusedRow{"leading_zero", {"0N"}},
                      RefusedRow{"hexadecimal", {"0x6f"}}, RefusedRow{"fraction", {"N.5"}},
                      RefusedRow{"exponent", {"1.8e9"}}, RefusedRow{"in_the_past", {"P"}},
                      RefusedRow{"beyond_eight_days", {"F"}},
                      RefusedRow{"overflow", {"99999999999999999999"}},
                      RefusedRow{"sixty_four_bits", {"9223372036854775807"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The installed build writes the real attribute whatever the environment says. As nobody it
// may not, and the stand-in (which nobody may write) stays untouched.
TEST_F(WakealarmHelper, TheInstalledBuildCannotBePointedAtAnotherFile) {
    const QString installed = QStringLiteral(WAKEALARM_INSTALLED_BUILD);
    if (auto why = NobodyCannotRun(installed))
        GTEST_SKIP() << *why;
    const Ran ran = RunCommand(AsNobody(false) << installed << At(now + 3600),
                               {QStringLiteral("QUELMO_TEST_WAKEALARM=") + attribute});
    EXPECT_EQ(ran.exitCode, 2) << "the attribute could not be written";
    EXPECT_EQ(Written(), "");
    // The tests' build, with the same rights, does write the stand-in.
    ASSERT_FALSE(NobodyCannotRun(QStringLiteral(WAKEALARM_TEST_BUILD)));
    EXPECT_EQ(RunCommand(AsNobody(false) << QStringLiteral(WAKEALARM_TEST_BUILD) << At(now + 3600),
                         {QStringLiteral("QUELMO_TEST_WAKEALARM=") + attribute})
                  .exitCode,
              0);
    EXPECT_EQ(Written(), "0\n" + std::to_string(now + 3600) + "\n");
}

} // namespace
} // namespace quelmo::test
