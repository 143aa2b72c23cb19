// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends of the process that no event of ours announces. When the X server or the Wayland
// compositor goes away, Qt's platform plugin warns ("The X11 connection broke…", "The Wayland
// connection broke…") and ends the process at once, with exit() or _exit(): that warning is
// the last moment anything can be done. Any other exit() is met by an exit handler.

#include <QString>

#include <functional>

namespace quelmo::platform {

class AbruptEndWatch {
public:
    // One at a time. `onEnd` runs at most once, and only on the GUI thread.
    explicit AbruptEndWatch(std::function<void()> onEnd);
    ~AbruptEndWatch();
    AbruptEndWatch(const AbruptEndWatch&) = delete;
    AbruptEndWatch& operator=(const AbruptEndWatch&) = delete;

    // A platform plugin's last words before it ends the process.
    static bool IsDisplayLoss(const QString& message);
};

} // namespace quelmo::platform
