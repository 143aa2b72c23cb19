// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The URL and text utilities of the transfer, and the texts of HTTP statuses.

#include <string>
#include <string_view>

namespace quelmo {

// Splits a URL ("http://" is put in front of one without "://") into its parts, the escapes
// of path and extra information (query and fragment) decoded. False, with the outputs left
// alone, for a URL that cannot be split or whose parts do not fit their limits (scheme 32,
// host 256, user name and password 128, path and extra 2048 bytes).
bool ParseURL(const std::string& url, std::string& scheme, std::string& hostName,
              std::string& urlPath, std::string& userName, std::string& password,
              std::string& extraInfo, unsigned short& port);
// Control bytes, bytes from 128 on, blank, "#", "%", "*", "+", "<" and ">" as "%XX".
std::string URLEncode(const std::string& text);
// "+" as blank, then "%XX" as its byte; "%00" and malformed escapes vanish.
std::string URLDecode(const std::string& text);
std::string URLToHostName(const std::string& url);
// The last element of the URL's path.
std::string URLToFileName(const std::string& url);
std::string IncludeLeadingChar(const std::string& text, char c);
std::string ExcludeLeadingChar(const std::string& text, char c);
// Every byte of `text` that is in `set` becomes `c`.
void ReplaceChars(std::string& text, char c, std::string_view set);
// A short text for an HTTP status; empty for a code it does not know.
std::string HTTPErrorToStr(int code);

} // namespace quelmo
