#pragma once
// The weekly on/off table: 1008 ten-minute slots, Monday 00:00 first, circular.

#include "power/stuff.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelmo {

inline constexpr int SlotsPerDay = 144;
inline constexpr int SlotsPerWeek = 7 * SlotsPerDay;

// 1 = on, 0 = off; index = day × 144 + slot.
extern std::array<std::uint8_t, SlotsPerWeek> WeekSchedule;

extern const std::array<const char*, 7> DayKeys;
extern const std::array<const char*, 7> DefaultDayStrings;

// Local wall-clock time with daylight saving, as a day count.
DayCount WallClockNow();

// Days from now to the next slot boundary into `state` (0 off, 1 on), in (0, 7]; 8.0 when the
// week has none. The boundary at the present moment is never reported.
double TimeToNextSwitch(int state);
// The same, evaluated at a given local date-time (what TimeToNextSwitch does with the clock).
double TimeToNextSwitchAt(DayCount now, int state);

// Any character other than "1" reads as off; missing characters are off, extra ones ignored.
void SetDayFromString(int day, std::string_view text);
std::string DayStringOf(int day);

} // namespace quelmo
