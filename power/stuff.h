#pragma once
// Small system services used all over Quelmo: notices, error texts, the shutdown privilege,
// opening URLs and programs, password scrambling and the clocks.

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace quelmo {

// A day count: 1.0 is 24 hours; date-times count days since 30 December 1899.
using DayCount = double;

inline constexpr DayCount kSecond = 1.0 / 86400.0;
inline constexpr DayCount kMinute = 1.0 / 1440.0;
// Day count of 1970-01-01 00:00:00.
inline constexpr double kUnixEpochDay = 25569.0;

// The platform's default beep.
void DefaultBeep();

// Beep, then an OK box with an empty caption. The box holds nothing back: it opens once the
// event loop runs and stays until somebody presses OK, however long that takes. A notice whose
// text is already open only beeps.
void ShowNotice(const std::string& text);
bool NoticeIsOpen();
// Serves events until every notice has been answered: for a program that ends without running
// its message loop, so that its last words are still read.
void WaitForNotices();

// For work that the notices should follow (a switch-off, a suspend being prepared). While a
// hold exists, notices open nothing: each is shown when the last hold ends. One already held or
// open only beeps.
class NoticeHold {
public:
    NoticeHold();
    ~NoticeHold();
    NoticeHold(const NoticeHold&) = delete;
    NoticeHold& operator=(const NoticeHold&) = delete;
};

// Test seams: the presenter stands in for the box and is called where the box would be made
// (its notice counts as open while it runs), the beep sink for the speaker. Pass nullptr for
// the real ones.
using NoticePresenter = std::function<void(const std::string& text)>;
void SetNoticePresenter(NoticePresenter presenter);
using BeepSink = std::function<void()>;
void SetBeepSink(BeepSink sink);

// Text for the calling thread's last error code (errno): empty for 0, " Sys Error: " and the
// runtime's text below 49, else " Error: " and the code (Linux has no message table for the
// codes above 10000 that get "Error: %s" elsewhere).
std::string LastErrorText();

// Stands for the process token: the privileges that the system would grant this process.
struct AccessToken {
    std::set<std::string> grantable;
};
// The privilege that power-off needs; on Linux it is polkit's org.freedesktop.login1.power-off.
inline constexpr const char* kShutdownPrivilegeName = "SeShutdownPrivilege";
// False, after a notice that the privilege is not permitted, when the token does not hold it.
bool EnablePrivilege(const AccessToken& token, const std::string& privilegeName);

// Puts "http://" in front unless the URL starts with "http://" or "file://" (any letter case),
// cuts it to 255 characters and hands it to the desktop.
bool OpenURL(const std::string& url);
// Test seam standing in for the desktop's URL handler; nullptr for the real one.
using UrlOpener = std::function<bool(const std::string& url)>;
void SetUrlOpener(UrlOpener opener);

// Starts the program with the parameter text split into arguments; never through a shell.
bool RunProgram(const std::string& program, const std::string& parameters);
// The argument vector RunProgram starts: the program, then the parameters split at blanks and
// tabs; a double-quoted stretch keeps its blanks (the quotes themselves are dropped).
std::vector<std::string> CommandArguments(const std::string& program,
                                          const std::string& parameters);
// Test seam standing in for process creation; nullptr for the real one.
using ProgramRunner = std::function<bool(const std::vector<std::string>& arguments)>;
void SetProgramRunner(ProgramRunner runner);

// The desktop's power settings program, chosen from XDG_CURRENT_DESKTOP (a ':'-separated
// list) among the programs that `onPath` finds; the program's own desktop first, then any.
struct PowerOptionsCommandLine {
    std::string program, parameters; // program empty when none is installed
};
PowerOptionsCommandLine
PowerOptionsCommand(const std::string& currentDesktop,
                    const std::function<bool(const std::string& program)>& onPath);
// Opens the desktop's power settings; false when none could be started.
bool OpenPowerOptions();

std::string ScramblePassword(const std::string& text);

// UTC minus the zone's standard offset, daylight saving never applied.
DayCount LocalStandardNow();
// 0 = Monday … 6 = Sunday.
int DayIndex(DayCount dateTime);

// Day count of a calendar date and time of day.
DayCount EncodeDayCount(int year, int month, int day, int hour, int minute, int second, int millis);

} // namespace quelmo
