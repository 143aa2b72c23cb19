#include "app/form1.h"

namespace quelmo {

const char* const VersionCaption = QT_TRANSLATE_NOOP("Quelmo", "Quelmo! V1.14");

bool StartupComplete = false;
int DelayedOffSeconds = 0, TickCount = 0, LockCountdown = 0, EditHoldOff = 0;
bool NowRequested = false;
int LastReportedKwh = -1;
DayCount StartTime = 0;
DayCount LastClock = 0;
double TimeToNextOn = 0;

} // namespace quelmo
