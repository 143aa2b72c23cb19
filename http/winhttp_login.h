// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A component that holds a user name and password, and their stored record "LInfo".

#include "http/component.h"

#include <string>
#include <string_view>

namespace quelmo {

class TWinLoginComponent : public TComponent {
public:
    using TComponent::TComponent;

    // The name the record is stored under.
    static constexpr const char* kLoginInfoName = "LInfo";
    // The record's bytes are stored XORed with (its length XOR this constant).
    static constexpr unsigned char kLoginInfoKey = 0xA7;
    // User name and password together: the record's length is one byte.
    static constexpr std::size_t kLoginInfoLimit = 254;

    std::string Username;
    std::string Password;

    // The record is written only when there is something to keep.
    bool HasLoginInfo() const { return !Username.empty() || !Password.empty(); }
    // Appends the record: one length byte L = 1 + both lengths, then L scrambled bytes: the
    // user name's length, the user name, the password. False, with nothing appended, when
    // the two together exceed kLoginInfoLimit.
    bool WriteLoginInfo(std::string& stream) const;
    // Takes one record from the front of `stream`. False, with nothing changed, for a record
    // that is cut short or whose user-name length does not fit.
    bool ReadLoginInfo(std::string_view& stream);
};

} // namespace quelmo
