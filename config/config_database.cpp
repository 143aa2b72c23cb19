// The configuration database: password scramble, the two action choices and the week.
// A local file, or an "http://" or "https://" URL mirrored in "LocalCopy.db".
#include "config/settings.h"

#include "config/file_utils.h"
#include "config/key_value_file.h"
#include "config/paths.h"
#include "http/winhttp.h"
#include "power/stuff.h"
#include "schedule/week_schedule.h"

#include <array>
#include <optional>

namespace quelmo {

namespace {

const char* const kLocalCopy = "LocalCopy.db";
const char* const kDefaultDb = "Default.db";
constexpr int kDownloadTimeoutMs = 900;

} // namespace

// A download that names none of the database's keys is no database: a captive portal's page,
// or a web server's error page sent with status 200.
bool HoldsDatabaseKey(const std::string& body) {
    TKeyValueFile store = TKeyValueFile::FromBytes(body);
    const std::string absent = "\x01";
    for (const char* key : {"Password", "DelayAction", "OffAction"})
        if (store.ReadText(key, absent) != absent)
            return true;
    for (const char* key : DayKeys)
        if (store.ReadText(key, absent) != absent)
            return true;
    return false;
}

void LoadConfig(ConfigHost& host) {
    const std::string config = host.ConfigText();
    std::string target;
    bool elsewhere = true;
    if (ConfigIsUrl(config)) {
        target = kLocalCopy;
        const FetchedBody fetched = HTTPReadBody(config, kDownloadTimeoutMs, kMaxDatabaseBytes);
        // An empty body is a failed download, and one cut short (a dropped connection before
        // the last chunk) would lose the keys after the cut: the last good copy stays. The
        // copy is replaced through a temporary file, so that it is never found half written.
        if (fetched.whole && !fetched.body.empty() && HoldsDatabaseKey(fetched.body))
            WriteWholeFile(fetched.body, kLocalCopy, "wt");
    } else {
        // Kept as the stored name and resolved once by each use: a resolved path may be longer
        // than a stored name can be, and resolving it a second time would refuse it.
        target = config;
        elsewhere = !OnProgramDrive(MakeAbsolute(target));
    }
    // Compared resolved, so that a configuration naming the mirror is never copied onto itself.
    const bool targetIsCopy = MakeAbsolute(target) == MakeAbsolute(kLocalCopy);

    StoredState& s = host.Stored();
    s.PasswordScramble = ScramblePassword("wren");
    host.SetActionIndex(ActionList::Off, 0);
    host.SetActionIndex(ActionList::Delay, 0);
    std::array<std::string, 7> days;
    for (int d = 0; d < 7; ++d)
        days[d] = DefaultDayStrings[d];

    std::optional<TKeyValueFile> store(std::in_place, target, true);
    if (store->Failed()) {
        store->Close();
        if (elsewhere && !targetIsCopy)
            store.emplace(kLocalCopy, true);
        if (store->Failed()) {
            store->Close();
            store.emplace(kDefaultDb, true);
        }
    } else if (elsewhere && !targetIsCopy) {
        CopyFileContents(target, kLocalCopy);
    }

    s.PasswordScramble = store->ReadText("Password", s.PasswordScramble);
    host.SetActionIndex(ActionList::Off,
                        store->ReadInt("OffAction", host.ActionIndex(ActionList::Off)));
    host.SetActionIndex(ActionList::Delay,
                        store->ReadInt("DelayAction", host.ActionIndex(ActionList::Delay)));
    for (int d = 0; d < 7; ++d)
        days[d] = store->ReadText(DayKeys[d], days[d]);
    store->Close();

    for (int d = 0; d < 7; ++d)
        SetDayFromString(s.WeekSchedule, d, days[d]);
    host.ActionListChanged(ActionList::Delay);
    host.ActionListChanged(ActionList::Off);
}

void SaveConfig(ConfigHost& host) {
    if (ConfigIsUrl(host.ConfigText()) || !host.SaveEnabled())
        return;
    std::array<std::string, 7> days;
    for (int d = 0; d < 7; ++d)
        days[d] = DayStringOf(host.Stored().WeekSchedule, d);
    if (ExtensionOf(host.ConfigText()) != ".db")
        host.SetConfigText("Quelmo.db");
    TKeyValueFile store(host.ConfigText(), false);
    store.WriteText("Password", host.Stored().PasswordScramble);
    store.WriteInt("DelayAction", host.ActionIndex(ActionList::Delay));
    store.WriteInt("OffAction", host.ActionIndex(ActionList::Off));
    for (int d = 0; d < 7; ++d)
        store.WriteText(DayKeys[d], days[d]);
    store.Close();
}

} // namespace quelmo
