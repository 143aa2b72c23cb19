#pragma once
// The main window with python-dbusmock's logind (on a private bus) as its power management,
// and the power options program replaced by a recorder. One mock serves a whole test suite;
// each test starts from logind answering "yes" to everything.

#include "platform/power_manager.h"
#include "power/stuff.h"
#include "tests/power/logind_mock.h"
#include "tests/support/form_fixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace quelmo::test {

class LogindFormTest : public SharedLogindMock<FormTest> {
protected:
    void SetUp() override {
        ResetMock();
        if (IsSkipped() || HasFatalFailure())
            return;
        platform::SetPowerManagerForTesting(platform::MakeLogindPowerManager(mock->Address()));
        // In the order they happen: "beep", "options <program>", "notice <text>".
        SetBeepSink([this] { events.push_back("beep"); });
        SetNoticePresenter([this](const std::string& text) {
            events.push_back("notice " + text);
            notices.push_back(text);
        });
        SetProgramRunner([this](const std::vector<std::string>& arguments) {
            events.push_back("options " + arguments.front());
            return true;
        });
        // The desktop's power settings are found on PATH, as on an XFCE desktop.
        QFile settings(bin.filePath(QStringLiteral("xfce4-power-manager-settings")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("#!/bin/sh\n");
        settings.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const char* path = std::getenv("PATH");
        environment.Set("PATH", bin.path().toStdString() + ":" + (path ? path : "/usr/bin"));
        environment.Set("XDG_CURRENT_DESKTOP", "XFCE");
    }

    void TearDown() override {
        FormTest::TearDown();
        SetProgramRunner(nullptr);
        SetBeepSink(nullptr);
        SetNoticePresenter(nullptr);
    }

    // The capability questions logind was asked, in order.
    std::vector<std::string> Questions() const {
        std::vector<std::string> asked;
        for (const std::string& call : mock->Calls()) {
            if (call.rfind("Can", 0) == 0 && call.find(" raised: ") == std::string::npos)
                asked.push_back(call);
        }
        return asked;
    }

    // "yes", "challenge", "no", "na", or "error" for a failing call.
    static bool SetAnswer(const std::string& question, const std::string& answer) {
        return answer == "error" ? mock->Fail(question, "", "s") : mock->Answer(question, answer);
    }

    std::vector<std::string> events, notices;

private:
    QTemporaryDir bin;
    ScopedEnvironment environment;
};

} // namespace quelmo::test
