#pragma once
// A private D-Bus daemon with python-dbusmock's logind template on it, started and stopped by
// the test itself. Every call the mock receives lands in its log, which Calls() reads back.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quelmo::test {

class LogindMock {
public:
    // Why the mock cannot run here (dbus-daemon or dbusmock missing), or nothing.
    static std::optional<std::string> MissingTools();

    enum class Setup {
        Logind,          // logind of systemd 220 or later
        WithoutSchedule, // logind lacking ScheduleShutdown and its companions
        BusOnly,         // a bus on which nobody serves login1
    };
    explicit LogindMock(Setup setup = Setup::Logind);
    ~LogindMock();
    LogindMock(const LogindMock&) = delete;
    LogindMock& operator=(const LogindMock&) = delete;

    // False when something could not be started; Failure() says what.
    bool Ok() const { return mFailure.empty(); }
    const std::string& Failure() const { return mFailure; }
    // The bus, to be handed to the client (or set as DBUS_SYSTEM_BUS_ADDRESS).
    const std::string& Address() const { return mAddress; }

    // Replaces (or adds) a method of org.freedesktop.login1.Manager; `code` is the mock's
    // Python snippet (set `ret`, or raise).
    bool AddMethod(const std::string& name, const std::string& inSignature,
                   const std::string& outSignature, const std::string& code);
    // A capability question answering the given text.
    bool Answer(const std::string& method, const std::string& text);
    // A method failing with org.freedesktop.DBus.Error.AccessDenied.
    bool Fail(const std::string& method, const std::string& inSignature,
              const std::string& outSignature);
    // A request that polkit has to put to the person, as logind answers it: a call that does
    // not allow interactive authorization fails with InteractiveAuthorizationRequired, one that
    // does succeeds after `seconds`, the time the person takes. The mock serves nothing else
    // meanwhile.
    bool AuthorizeAfter(const std::string& method, const std::string& inSignature, double seconds);
    // A power request (Suspend, Hibernate, PowerOff or ScheduleShutdown) refused with the
    // given D-Bus error, as logind refuses one that an application's block holds back and
    // nobody authorises.
    bool Refuse(const std::string& method,
                const std::string& errorName = "org.freedesktop.DBus.Error.AccessDenied",
                const std::string& message = "Access denied");

    // Inhibitor locks of other programs, listed after those taken through Inhibit (which the
    // template lists with uid 1000 and pid 123456).
    struct Lock {
        std::string what, who, why, mode;
        std::uint32_t uid = 1000, pid = 4242;
    };
    // Lists `locks` from now on, and sets BlockInhibited to the kinds their "block" ones hold
    // (colon-separated, each once), or to `blockInhibited` where given.
    bool SetInhibitors(const std::vector<Lock>& locks,
                       std::optional<std::string> blockInhibited = std::nullopt);
    // ListInhibitors fails (with org.freedesktop.DBus.Error.Failed).
    bool FailListInhibitors();

    // The template's answers again ("yes" to every question, no locks but those taken), and
    // for Setup::Logind the methods the template lacks (ScheduleShutdown,
    // CancelScheduledShutdown answering true, SetWallMessage). Clears the calls.
    bool Reset();

    // The inhibitor locks logind holds, as "what who why mode" (ListInhibitors).
    std::vector<std::string> Inhibitors();
    // logind announces a suspend (true) or the resume (false).
    bool EmitPrepareForSleep(bool suspending);

    // The calls logged since the last ClearCalls, without their time stamps, for example
    // `Suspend True` or `ScheduleShutdown "poweroff" 1700000000000000`.
    std::vector<std::string> Calls() const;
    // Only the calls whose method is `method`.
    std::vector<std::string> CallsOf(const std::string& method) const;
    void ClearCalls();

private:
    bool StartLogind();
    bool SetBlockInhibited(const std::string& kinds);
    Setup mSetup;
    bool MockCall(const QString& method, const QVariantList& arguments);

    QTemporaryDir mDir;
    std::unique_ptr<QProcess> mBus, mLogind;
    std::string mAddress, mFailure;
    QString mControl; // our own connection to the bus
    std::size_t mLogMark = 0;
};

// One mock serves a whole test suite; each test starts from logind answering "yes".
template <typename Base> class SharedLogindMock : public Base {
protected:
    static void SetUpTestSuite() {
        if (auto missing = LogindMock::MissingTools()) {
            skipReason = *missing;
            return;
        }
        mock = new LogindMock();
    }
    static void TearDownTestSuite() {
        delete mock;
        mock = nullptr;
    }
    // Skips the test without the tools, fails it when the mock is broken; callers return
    // when this->IsSkipped() or this->HasFatalFailure().
    void ResetMock() {
        if (!skipReason.empty())
            GTEST_SKIP() << skipReason;
        ASSERT_TRUE(mock->Ok()) << mock->Failure();
        ASSERT_TRUE(mock->Reset());
    }

    static inline LogindMock* mock = nullptr;
    static inline std::string skipReason;
};

} // namespace quelmo::test
