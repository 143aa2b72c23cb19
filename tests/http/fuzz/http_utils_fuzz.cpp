// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer's text utilities on arbitrary bytes: no crash, no read beyond the text, a date
// that is read lies within the calendar the reader knows, a URL that splits has parts within
// their limits, decoding never lengthens a text and undoes encoding.
#include "http/winhttp_url.h"
#include "http/winhttp_utils.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A zone with daylight saving, so that the conversion's both halves of the year are met.
    setenv("TZ", "Europe/Berlin", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const quelmo::DayCount date = quelmo::InternetTimeToDateTime(text);
    // Years 1 to 9999, moved by at most a day of zone offsets either way.
    static const double first = quelmo::EncodeDayCount(1, 1, 1, 0, 0, 0, 0) - 2;
    static const double last = quelmo::EncodeDayCount(9999, 12, 31, 0, 0, 0, 0) + 3;
    if (std::isnan(date) || (date != 0 && (date < first || date > last)))
        std::abort();

    std::string scheme, host, path, user, password, extra;
    unsigned short port = 0;
    if (quelmo::ParseURL(text, scheme, host, path, user, password, extra, port) &&
        (scheme.empty() || scheme.size() > 32 || host.size() > 256 || user.size() > 128 ||
         password.size() > 128 || path.size() > 2048 || extra.size() > 2048))
        std::abort();
    if (quelmo::URLDecode(text).size() > text.size())
        std::abort();
    // Encoding then decoding gives the text back, less its zero bytes.
    std::string withoutZeros;
    for (char c : text)
        if (c != '\0')
            withoutZeros += c;
    if (quelmo::URLDecode(quelmo::URLEncode(text)) != withoutZeros)
        std::abort();
    return 0;
}
