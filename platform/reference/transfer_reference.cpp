// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/reference/transfer_reference.h"

#include <curl/curl.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <vector>

namespace quelmo::platform::reference {

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Sink {
    int fd = -1;
    std::size_t bytes = 0;
    bool failed = false;
};

size_t Write(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const size_t n = size * count;
    sink->bytes += n;
    for (size_t done = 0; sink->fd >= 0 && done < n;) {
        const ssize_t w = write(sink->fd, data + done, n - done);
        if (w <= 0) {
            sink->failed = true;
            return 0;
        }
        done += static_cast<size_t>(w);
    }
    return n;
}

} // namespace

Timed LibcurlFetch(const std::string& url, const std::string& file) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(
        initialised ? curl_easy_init() : nullptr, &curl_easy_cleanup);
    if (!curl)
        return {};
    Sink sink;
    const auto start = Clock::now();
    if (!file.empty()) {
        sink.fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (sink.fd < 0)
            return {};
    }
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, &Write);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
    const CURLcode result = curl_easy_perform(curl.get());
    if (sink.fd >= 0 && close(sink.fd) != 0)
        sink.failed = true;
    const double seconds = Since(start);
    if (result != CURLE_OK || sink.failed)
        return {};
    return {seconds, sink.bytes};
}

Timed SocketRead(int port, const std::string& path) {
    const auto start = Clock::now();
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return {};
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Timed timed;
    const std::string request =
        "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
            static_cast<ssize_t>(request.size())) {
        // Large, so that the loop makes few calls: the most the loopback gives.
        std::vector<char> buffer(256 << 10);
        ssize_t n;
        while ((n = read(fd, buffer.data(), buffer.size())) > 0)
            timed.bytes += static_cast<std::size_t>(n);
        if (n == 0)
            timed.seconds = Since(start);
    }
    close(fd);
    return timed;
}

} // namespace quelmo::platform::reference
