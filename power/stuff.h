#pragma once
// Small system services used all over Quelmo: notices, error texts, the shutdown privilege,
// opening URLs and programs, password scrambling and the clocks.

#include <functional>
#include <string>

namespace quelmo {

// A day count: 1.0 is 24 hours; date-times count days since 30 December 1899.
using DayCount = double;

inline constexpr DayCount kSecond = 1.0 / 86400.0;
inline constexpr DayCount kMinute = 1.0 / 1440.0;
// Day count of 1970-01-01 00:00:00.
inline constexpr double kUnixEpochDay = 25569.0;

// The platform's default beep.
void DefaultBeep();

// Beep, then a modal OK box with an empty caption; while a box is open, a further notice
// only beeps.
void ShowNotice(const std::string& text);
bool NoticeIsOpen();

// Test seams: the presenter stands in for the modal box (it runs while the box counts as open),
// the beep sink for the speaker. Pass nullptr for the real ones.
using NoticePresenter = std::function<void(const std::string& text)>;
void SetNoticePresenter(NoticePresenter presenter);
using BeepSink = std::function<void()>;
void SetBeepSink(BeepSink sink);

// Text for the calling thread's last error code (errno): empty, " Sys Error: %s",
// "Error: %s" or " Error: %d".
std::string LastErrorText();

// Stands for the process token; opening it always succeeds here.
struct AccessToken {};
bool EnablePrivilege(const AccessToken& token, const std::string& privilegeName);

bool OpenURL(const std::string& url);
// Starts the program with the parameter text split into arguments; never through a shell.
bool RunProgram(const std::string& program, const std::string& parameters);

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
