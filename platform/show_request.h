// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A second start asks the running copy to show its window, through a local socket beside the
// instance lock: it exists wherever the lock does (no session bus needed), has the same scope
// and the same replaceable name, and only its owner may connect to it.

#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace quelmo::platform {

// Held by the copy that owns the lock `lockName`; `onShow` runs on the GUI thread for each
// request.
class ShowRequestListener {
public:
    ShowRequestListener(const std::string& lockName, std::function<void()> onShow);
    ~ShowRequestListener();
    ShowRequestListener(const ShowRequestListener&) = delete;
    ShowRequestListener& operator=(const ShowRequestListener&) = delete;

    bool Listening() const;

private:
    std::unique_ptr<QLocalServer> mServer;
    std::function<void()> mOnShow;
};

// Asks the copy holding `lockName` to show its window; true once it has taken the request.
bool RequestShow(const std::string& lockName);

} // namespace quelmo::platform
