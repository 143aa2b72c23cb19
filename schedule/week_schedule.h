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
using WeekTable = std::array<std::uint8_t, SlotsPerWeek>;

extern const std::array<const char*, 7> DayKeys;
extern const std::array<const char*, 7> DefaultDayStrings;

// Local wall-clock time with daylight saving, as a day count: now, or at a moment of UTC.
DayCount WallClockNow();
DayCount WallClockAt(std::int64_t utcSeconds, int millis);

// Days from the local date-time `now` to the next slot boundary into `state` (0 off, 1 on),
// in (0, 7]; 8.0 when the week has none. The boundary at the present moment is never reported.
double TimeToNextSwitchAt(const WeekTable& week, DayCount now, int state);

// Any character other than "1" reads as off; missing characters are off, extra ones ignored.
void SetDayFromString(WeekTable& week, int day, std::string_view text);
std::string DayStringOf(const WeekTable& week, int day);

} // namespace quelmo
