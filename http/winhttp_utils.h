// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Utilities of the transfer: HTTP dates, the attributes of downloaded files and registry values.

#include "power/stuff.h"

#include <set>
#include <string>

namespace quelmo {

// A date header in any of the three HTTP forms ("Sun, 06 Nov 1994 08:49:37 GMT",
// "Sunday, 06-Nov-94 08:49:37 GMT", "Sun Nov  6 08:49:37 1994"), with an optional "+hhmm" or
// "-hhmm" zone, as a local date-time. 0 for an empty text, and for a text whose date or time
// is invalid.
DayCount InternetTimeToDateTime(const std::string& text);
// A UTC date-time as local time, with the zone's rules in force at that instant.
DayCount GMTToLocalTime(DayCount time);

enum TWinHTTPFileAttribute {
    atrArchive,
    atrHidden,
    atrReadOnly,
    atrSystem,
    atrTemporary,
    atrOffline
};
using TWinHTTPFileAttributes = std::set<TWinHTTPFileAttribute>;

// atrReadOnly is the absence of write permission. The whole set is also kept in a user
// extended attribute of the file; where the file system keeps none, only atrReadOnly is kept,
// and SetFileAttr returns false when the set held more than that.
bool SetFileAttr(const std::string& fileName, const TWinHTTPFileAttributes& attributes);
// False, with an empty set, when the file's attributes cannot be read (a missing file).
bool GetFileAttr(const std::string& fileName, TWinHTTPFileAttributes& attributes);

inline constexpr unsigned HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr unsigned HKEY_CURRENT_USER = 0x80000001u;
inline constexpr unsigned HKEY_LOCAL_MACHINE = 0x80000002u;

// A string value of the registry, as far as the system's stand-ins hold it: the content types
// of file extensions (".png" under HKEY_CLASSES_ROOT, value "Content Type") and the
// per-machine autostart list (HKEY_LOCAL_MACHINE). False, with `value` empty, for anything
// else, a missing value, and a value of 1024 bytes or more.
bool RegReadStr(const std::string& key, const std::string& name, unsigned root, std::string& value);

} // namespace quelmo
