// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the HTTP benchmark measures the transfer engine against: libcurl used in this process,
// and the loopback ceiling, a plain read loop on a socket. Benchmarks only.

#include <cstddef>
#include <string>

namespace quelmo::platform::reference {

struct Timed {
    double seconds = -1; // negative when the transfer failed
    std::size_t bytes = 0;
};

// libcurl's easy interface fetching `url`: the body is discarded, or written to `file` when
// one is named.
Timed LibcurlFetch(const std::string& url, const std::string& file = {});

// A blocking socket that sends GET `path` to 127.0.0.1:`port` and reads until the server
// closes: headers and body, nothing parsed. The fastest the same bytes can arrive.
Timed SocketRead(int port, const std::string& path);

} // namespace quelmo::platform::reference
