#pragma once
// Blocking fetch of a URL's body that keeps the caller's event loop served.

#include <string>

namespace quelmo {

// The body, or empty text on any failure or time-out (milliseconds; 0 = none).
std::string HTTPReadString(const std::string& url, int timeout);

// Host (and optional ":port") of the product's web server; a build setting that tests replace.
const std::string& ProductWebHost();
void SetProductWebHost(std::string host);

} // namespace quelmo
