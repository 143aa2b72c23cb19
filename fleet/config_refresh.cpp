#include "fleet/config_refresh.h"

#include "config/file_utils.h"
#include "config/settings.h"
#include "fleet/device_id.h"
#include "fleet/refresh_validators.h"
#include "http/winhttp_component.h"
#include "platform/clock.h"

#include <cstdlib>

namespace quelmo {

namespace {

const char* const kLocalCopy = "LocalCopy.db";
// The check runs in the background: a slow server delays nothing but the check.
constexpr unsigned kTimeoutMs = 30000;

// The main window as the configuration code sees it, except that the database is read from
// the mirror just written instead of being downloaded once more.
class MirrorHost : public ConfigHost {
public:
    explicit MirrorHost(ConfigHost& host) : mHost(host) {}
    StoredState& Stored() override { return mHost.Stored(); }
    std::string ConfigText() const override { return kLocalCopy; }
    void SetConfigText(const std::string&) override {}
    void SetRatingEdits(int on, int off, int standby) override {
        mHost.SetRatingEdits(on, off, standby);
    }
    bool AutoStartChecked() const override { return mHost.AutoStartChecked(); }
    void SetAutoStartChecked(bool checked) override { mHost.SetAutoStartChecked(checked); }
    int ActionIndex(ActionList list) const override { return mHost.ActionIndex(list); }
    void SetActionIndex(ActionList list, int index) override { mHost.SetActionIndex(list, index); }
    void ActionListChanged(ActionList list) override { mHost.ActionListChanged(list); }
    bool SaveEnabled() const override { return mHost.SaveEnabled(); }

private:
    ConfigHost& mHost;
};

} // namespace

std::int64_t NextRefreshAt(std::int64_t nowSeconds, std::int64_t periodSeconds,
                           std::uint32_t deviceId) {
    const std::int64_t offset = static_cast<std::int64_t>(deviceId % periodSeconds);
    std::int64_t since = (nowSeconds - offset) % periodSeconds;
    if (since < 0)
        since += periodSeconds;
    return nowSeconds - since + periodSeconds;
}

int RefreshMinuteSeconds() {
    if (const char* text = std::getenv("QUELMO_REFRESH_MINUTE_SECONDS")) {
        const int seconds = std::atoi(text);
        if (seconds >= 1 && seconds <= 60)
            return seconds;
    }
    return 60;
}

TConfigRefresh::TConfigRefresh(ConfigHost& host, std::function<bool()> panelLocked,
                               std::function<void()> loaded)
    : mHost(host), mPanelLocked(std::move(panelLocked)), mLoaded(std::move(loaded)) {}

TConfigRefresh::~TConfigRefresh() = default;

bool TConfigRefresh::Busy() const {
    return mHTTP && mHTTP->Busy();
}

std::optional<std::int64_t> TConfigRefresh::NextCheckAt() const {
    return mNextAt;
}

bool TConfigRefresh::Enabled() const {
    return mHost.Stored().Fleet.refreshMinutes.value_or(0) > 0 && ConfigIsUrl(mHost.ConfigText());
}

void TConfigRefresh::Tick(std::int64_t now) {
    const int minutes = mHost.Stored().Fleet.refreshMinutes.value_or(0);
    // Off on most PCs: asked first, as the database's name costs a copy each tick.
    const std::string url = minutes > 0 ? mHost.ConfigText() : std::string();
    if (!ConfigIsUrl(url)) {
        mNextAt.reset();
        return;
    }
    const std::int64_t period = static_cast<std::int64_t>(minutes) * RefreshMinuteSeconds();
    if (!mNextAt || period != mPeriod) {
        // The database was loaded at start-up: the first check is the next one due.
        mPeriod = period;
        mNextAt = NextRefreshAt(now, period, DeviceId());
        return;
    }
    // A check that falls due while the panel is unlocked waits until it locks again, so that
    // nobody's unsaved edits are overwritten.
    if (now < *mNextAt || Busy() || !mPanelLocked())
        return;
    mNextAt = NextRefreshAt(now, period, DeviceId());
    Start(url);
}

void TConfigRefresh::Start(const std::string& url) {
    mHTTP = std::make_unique<TCustomWinHTTP>();
    mHTTP->URL = url;
    mHTTP->AddHeaders = ConditionalHeaders(ReadValidators());
    mHTTP->Timeouts.ConnectTimeout = kTimeoutMs;
    mHTTP->Timeouts.ReceiveTimeout = kTimeoutMs;
    mHTTP->Timeouts.SendTimeout = kTimeoutMs;
    mHTTP->MaxBodySize = kMaxDatabaseBytes;
    mHTTP->SetWaitThread(false);
    mStatus = 0;
    mEtag.clear();
    mLastModified.clear();
    mHTTP->OnHeaderInfo = [this](TComponent*, int status, const std::string& raw,
                                 const std::string&, const std::string&, const std::string&,
                                 std::uint32_t, const std::string&, DayCount, DayCount, DayCount,
                                 const std::string&, bool&) {
        mStatus = status;
        mEtag = HeaderValue(raw, "ETag");
        mLastModified = HeaderValue(raw, "Last-Modified");
    };
    mHTTP->OnDone = [this, url](TComponent*, const std::string&, std::uint32_t, QIODevice* stream) {
        if (mStatus != 200 || !stream)
            return;
        stream->seek(0);
        const QByteArray bytes = stream->readAll();
        Answered(url, bytes.toStdString());
    };
    // A 304, an error status, a lost connection or an unreachable host: nothing changes.
    if (!mHTTP->Read(false))
        mHTTP.reset();
}

void TConfigRefresh::Answered(const std::string& url, const std::string& body) {
    // The panel may have been unlocked, or the configuration changed, while the answer came.
    if (mHost.ConfigText() != url)
        return;
    if (!mPanelLocked()) {
        mNextAt = platform::CurrentUtc().seconds; // again as soon as the panel locks
        return;
    }
    if (body.empty() || !HoldsDatabaseKey(body))
        return;
    if (!WriteWholeFile(body, kLocalCopy, "wt"))
        return;
    // The digest of the file as written, line ends and all, is what a later check compares.
    WriteValidators({mEtag, mLastModified, BodyDigest(ReadWholeFile(kLocalCopy))});
    MirrorHost mirror(mHost);
    LoadConfig(mirror);
    if (mLoaded)
        mLoaded();
}

} // namespace quelmo
