// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waits of the GUI thread that keep its events served.

#include <functional>

namespace quelmo::winthread {

enum class WaitEnd { Signalled, Events, TimedOut };

// Signalled at once when `signalled` holds. Otherwise waits until events arrive and processes
// that batch (Events), or until timeoutMs pass without any (TimedOut; 0 means no limit). Who
// makes `signalled` true calls WakeGuiThread.
WaitEnd WaitForSignalOrEvents(const std::function<bool()>& signalled, unsigned timeoutMs);

// The application has been told to quit (its event loops are being left).
bool ApplicationTerminating();

// Lock held.
bool WaitEventSignalled(unsigned event);

} // namespace quelmo::winthread
