// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/winhttp_login.h"

namespace quelmo {

bool TWinLoginComponent::WriteLoginInfo(std::string& stream) const {
    if (Username.size() + Password.size() > kLoginInfoLimit)
        return false;
    const auto length = static_cast<unsigned char>(1 + Username.size() + Password.size());
    const auto mask = static_cast<char>(length ^ kLoginInfoKey);
    std::string record(1, static_cast<char>(Username.size()));
    record += Username;
    record += Password;
    stream += static_cast<char>(length);
    for (char c : record)
        stream += static_cast<char>(c ^ mask);
    return true;
}

bool TWinLoginComponent::ReadLoginInfo(std::string_view& stream) {
    if (stream.empty())
        return false;
    const auto length = static_cast<unsigned char>(stream[0]);
    if (length == 0 || stream.size() < 1u + length)
        return false;
    const auto mask = static_cast<char>(length ^ kLoginInfoKey);
    std::string record(stream.substr(1, length));
    for (char& c : record)
        c = static_cast<char>(c ^ mask);
    const auto nameLength = static_cast<unsigned char>(record[0]);
    if (nameLength > length - 1u)
        return false;
    Username = record.substr(1, nameLength);
    Password = record.substr(1 + nameLength);
    stream.remove_prefix(1u + length);
    return true;
}

} // namespace quelmo
