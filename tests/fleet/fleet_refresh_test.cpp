// A URL configuration followed while the program runs, against a real server on 127.0.0.1
// that answers conditional requests as a web server does.
#include "app/form1.h"
#include "config/settings.h"
#include "fleet/config_refresh.h"
#include "schedule/week_schedule.h"
#include "tests/config/config_test_util.h"
#include "tests/support/form_fixture.h"

#include <httplib.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <mutex>
#include <thread>

namespace quelmo {
namespace {

// Serves "/Quelmo.db" with an ETag and a Last-Modified date, and 304 to a request whose
// If-None-Match names the current ETag.
class DatabaseServer {
public:
    DatabaseServer() {
        mServer.Get("/Quelmo.db", [this](const httplib::Request& request, httplib::Response& r) {
            std::lock_guard lock(mMutex);
            mConditions.push_back(request.get_header_value("If-None-Match"));
            const std::string etag = "\"v" + std::to_string(mVersion) + "\"";
            if (mStatus == 200 && request.get_header_value("If-None-Match") == etag) {
                r.status = 304;
                return;
            }
            r.status = mStatus;
            r.set_header("ETag", etag);
            r.set_header("Last-Modified",
                         "Mon, 07 Dec 2026 08:00:0" + std::to_string(mVersion) + " GMT");
            r.set_content(mBody, "text/plain");
        });
        mPort = mServer.bind_to_any_port("127.0.0.1");
        mThread = std::thread([this] { mServer.listen_after_bind(); });
        while (!mServer.is_running())
            std::this_thread::yield();
    }
    ~DatabaseServer() {
        mServer.stop();
        mThread.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(mPort) + "/Quelmo.db"; }
    // A new version of the file; a status other than 200 is answered without looking at
    // the request's validators.
    void Serve(std::string body, int status = 200) {
        std::lock_guard lock(mMutex);
        mBody = std::move(body);
        mStatus = status;
        ++mVersion;
    }
    // The If-None-Match of each request, empty when it had none.
    std::vector<std::string> Conditions() const {
        std::lock_guard lock(mMutex);
        return mConditions;
    }

private:
    httplib::Server mServer;
    int mPort = 0;
    mutable std::mutex mMutex;
    std::string mBody;
    int mStatus = 200;
    int mVersion = 0;
    std::vector<std::string> mConditions;
    std::thread mThread;
};

// A Monday that is all on, or off from midnight for an hour.
std::string Database(bool offAtMidnight) {
    std::string monday(144, '1');
    if (offAtMidnight)
        monday.replace(0, 6, "000000");
    return "OffAction=0\nMon=" + monday + "\n";
}

class RefreshTest : public test::FormTest {
protected:
    DatabaseServer server;
    test::ScopedEnvironment environment;

    void StartWithRefresh(int minutes) {
        server.Serve(Database(false));
        test::WriteBytes(folder.Path() + "Quelmo.ini",
                         "DbFile=" + server.Url() + "\nRefreshMinutes=" + std::to_string(minutes) +
                             "\n");
        environment.Set("QUELMO_DEVICE_ID", "0000001E"); // 30 s into each minute
        StartAt(2026, 12, 7, 9, 0, 0);
        ASSERT_EQ(S().WeekSchedule[0], 1) << "loaded at start-up";
    }
    // Ticks for `seconds`, letting each check's answer arrive before the next tick.
    void Run(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            Tick();
            QElapsedTimer waited;
            waited.start();
            while (model->Refresh().Busy() && waited.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }
    std::size_t Requests() const { return server.Conditions().size(); }
};

TEST_F(RefreshTest, FollowsTheServerWithinOnePeriod) {
    StartWithRefresh(1);
    const std::size_t atStart = Requests();
    server.Serve(Database(true));
    Run(61);
    EXPECT_EQ(S().WeekSchedule[0], 0) << "the changed database is loaded";
    ASSERT_EQ(server.Conditions().size(), atStart + 1);
    Run(60);
    const std::vector<std::string> conditions = server.Conditions();
    ASSERT_EQ(conditions.size(), atStart + 2);
    EXPECT_EQ(conditions.back(), "\"v2\"") << "asks with the validators of the last answer";
    EXPECT_NE(test::ReadBytes(folder.Path() + "LocalCopy.db")->find("Mon=000000"),
              std::string::npos);
}

TEST_F(RefreshTest, WhatKeepsTheLastGoodCopy) {
    struct Row {
        const char* name;
        std::string body;
        int status;
    } rows[] = {
        {"an error status", Database(true), 500},
        {"a page without the database's keys", "<html>Log in to the network</html>", 200},
        {"a database over a mebibyte",
         Database(true) + "Pad=" + std::string(kMaxDatabaseBytes, 'x') + "\n", 200},
    };
    StartWithRefresh(1);
    for (const Row& row : rows) {
        const std::size_t before = Requests();
        server.Serve(row.body, row.status);
        Run(60);
        EXPECT_EQ(server.Conditions().size(), before + 1) << row.name;
        EXPECT_EQ(S().WeekSchedule[0], 1) << row.name;
        EXPECT_NE(test::ReadBytes(folder.Path() + "LocalCopy.db")->find("Mon=111111"),
                  std::string::npos)
            << row.name;
    }
}

TEST_F(RefreshTest, NoCheckWhileThePanelIsUnlockedOrWhenOff) {
    StartWithRefresh(1);
    form->SetConfigUnlocked(true);
    const std::size_t before = Requests();
    server.Serve(Database(true));
    Run(120);
    EXPECT_EQ(server.Conditions().size(), before) << "unlocked";
    form->SetConfigUnlocked(false);
    Run(2);
    EXPECT_EQ(server.Conditions().size(), before + 1) << "the missed check once it locks";
    EXPECT_EQ(S().WeekSchedule[0], 0);

    Stop();
    StartWithRefresh(0);
    const std::size_t unrefreshed = Requests();
    Run(180);
    EXPECT_EQ(server.Conditions().size(), unrefreshed) << "RefreshMinutes=0";
}

TEST(NextRefreshAtTest, SpreadByTheDeviceId) {
    struct Row {
        const char* name;
        std::int64_t now, period;
        std::uint32_t device;
        std::int64_t next;
    } rows[] = {
        {"on a boundary: the next one", 7200, 3600, 0, 10800},
        {"offset within the period", 7200, 3600, 90, 7290},
        {"just past the offset", 7291, 3600, 90, 10890},
        {"offset wraps by the period", 7200, 3600, 3600 + 90, 7290},
        {"large ids", 0, 600, 0xFFFFFFFFu, 0xFFFFFFFFull % 600},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NextRefreshAt(row.now, row.period, row.device), row.next) << row.name;
}

} // namespace
} // namespace quelmo
