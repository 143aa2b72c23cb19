// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A socket server on 127.0.0.1 (free port) that answers each request with raw bytes chosen
// by the test, pausing between pieces, then closes the connection: for answers no
// well-behaved server gives.

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quelmo::test {

struct Piece {
    std::string bytes;
    int pauseMs = 0; // after the bytes
};
using Answer = std::vector<Piece>;

class ScriptedServer {
public:
    // `answer` gets the request (with its body) and how many came before it.
    explicit ScriptedServer(std::function<Answer(const std::string& request, int index)> answer)
        : mAnswer(std::move(answer)) {
        mListen = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(mListen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(mListen, reinterpret_cast<sockaddr*>(&address), &length);
        mPort = ntohs(address.sin_port);
        listen(mListen, 16);
        mThread = std::thread([this] { Serve(); });
    }
    ~ScriptedServer() {
        mStop = true;
        mThread.join();
        for (std::thread& connection : mConnections)
            connection.join();
        close(mListen);
    }

    int Port() const { return mPort; }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(mPort) + path;
    }
    std::vector<std::string> Requests() const {
        std::lock_guard lock(mMutex);
        return mRequests;
    }

private:
    bool Wait(int fd, short events, int ms) const {
        pollfd p{fd, events, 0};
        return poll(&p, 1, ms) > 0;
    }
    void Serve() {
        while (!mStop) {
            if (!Wait(mListen, POLLIN, 20))
                continue;
            const int fd = accept4(mListen, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0)
                mConnections.emplace_back([this, fd] { Respond(fd); });
        }
    }
    void Respond(int fd) {
        {
            std::string request;
            const auto readUntil = [&](const std::function<bool()>& enough) {
                char buffer[4096];
                while (!mStop && !enough()) {
                    if (!Wait(fd, POLLIN, 20))
                        continue;
                    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
                    if (n <= 0)
                        break;
                    request.append(buffer, static_cast<std::size_t>(n));
                }
            };
            readUntil([&] { return request.find("\r\n\r\n") != std::string::npos; });
            // A body announced by Content-Length comes along with the request.
            const std::size_t head = request.find("\r\n\r\n");
            const std::size_t length = request.find("Content-Length: ");
            if (head != std::string::npos && length != std::string::npos && length < head) {
                const std::size_t want = head + 4 + std::stoul(request.substr(length + 16));
                readUntil([&] { return request.size() >= want; });
            }
            int index = 0;
            {
                std::lock_guard lock(mMutex);
                index = static_cast<int>(mRequests.size());
                mRequests.push_back(request);
            }
            for (const Piece& piece : mAnswer(request, index)) {
                for (std::size_t sent = 0; sent < piece.bytes.size() && !mStop;) {
                    const ssize_t n = send(fd, piece.bytes.data() + sent, piece.bytes.size() - sent,
                                           MSG_NOSIGNAL);
                    if (n <= 0)
                        break;
                    sent += static_cast<std::size_t>(n);
                }
                for (int waited = 0; waited < piece.pauseMs && !mStop; waited += 10)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            close(fd);
        }
    }

    std::function<Answer(const std::string&, int)> mAnswer;
    int mListen = -1;
    int mPort = 0;
    std::atomic<bool> mStop{false};
    mutable std::mutex mMutex;
    std::vector<std::string> mRequests;
    std::thread mThread;
    std::vector<std::thread> mConnections; // one each, so that a stalled one holds up no other
};

} // namespace quelmo::test
