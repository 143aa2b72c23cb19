#pragma once
// A plain blocking HTTP GET (libcurl). Runs on any thread.

#include <optional>
#include <string>

namespace quelmo::platform {

// The body of a 200 or 206 answer, or nothing on any failure. timeoutMs limits connecting
// and each pause of the transfer; 0 sets no limit.
std::optional<std::string> HttpGet(const std::string& url, int timeoutMs);

} // namespace quelmo::platform
