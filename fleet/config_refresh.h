#pragma once
// Keeps a URL configuration in step with its server while the program runs: every
// "RefreshMinutes" minutes, shifted by a per-PC offset so that a fleet does not ask all at
// once, a conditional GET in the background. A changed database is mirrored and loaded; an
// unchanged one (304) or any failure leaves everything as it is.

#include "config/config_host.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quelmo {

class TCustomWinHTTP;

// Seconds from the epoch of the next check strictly after `nowSeconds`: checks fall on the
// period's multiples shifted by the device's offset within the period.
std::int64_t NextRefreshAt(std::int64_t nowSeconds, std::int64_t periodSeconds,
                           std::uint32_t deviceId);

// Seconds in one refresh minute: 60, or QUELMO_REFRESH_MINUTE_SECONDS (1..60) so that tests
// can run a period in seconds.
int RefreshMinuteSeconds();

class TConfigRefresh {
public:
    // `panelLocked` tells whether the details panel is locked; `loaded` runs after a changed
    // database has been loaded.
    TConfigRefresh(ConfigHost& host, std::function<bool()> panelLocked,
                   std::function<void()> loaded);
    ~TConfigRefresh();
    TConfigRefresh(const TConfigRefresh&) = delete;
    TConfigRefresh& operator=(const TConfigRefresh&) = delete;

    // Called once a second from the tick with its moment (seconds since the epoch); starts a
    // check when one is due. Never waits.
    void Tick(std::int64_t nowSeconds);
    // When the next check falls due, in seconds since the epoch; unset while refreshing is off
    // or before the first tick that found it on.
    std::optional<std::int64_t> NextCheckAt() const;
    // Checks are made: a refresh period is set and the configuration is a URL.
    bool Enabled() const;
    // A check is on its way.
    bool Busy() const;

private:
    void Start(const std::string& url);
    void Answered(const std::string& url, const std::string& body);

    ConfigHost& mHost;
    std::function<bool()> mPanelLocked;
    std::function<void()> mLoaded;
    std::unique_ptr<TCustomWinHTTP> mHTTP;
    std::optional<std::int64_t> mNextAt; // unset until the first tick with refreshing on
    std::int64_t mPeriod = 0;
    int mStatus = 0; // of the answer being received
    std::string mEtag, mLastModified;
};

} // namespace quelmo
