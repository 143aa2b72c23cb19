#pragma once
// A real HTTP server on 127.0.0.1 with a free port, recording every request it serves.

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quelmo::test {

class LocalHttpServer {
public:
    LocalHttpServer() {
        mServer.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
            std::this_thread::sleep_for(std::chrono::milliseconds(mDelayMs.load()));
            // The raw target, query included, exactly as it was sent.
            std::lock_guard lock(mMutex);
            mTargets.push_back(request.target);
            response.status = mStatus;
            response.set_content(mBody, "text/plain");
        });
        mPort = mServer.bind_to_any_port("127.0.0.1");
        mThread = std::thread([this] { mServer.listen_after_bind(); });
        while (!mServer.is_running())
            std::this_thread::yield();
    }
    ~LocalHttpServer() {
        mServer.stop();
        mThread.join();
    }

    int Port() const { return mPort; }
    std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(mPort); }
    void SetAnswer(int status, std::string body) {
        std::lock_guard lock(mMutex);
        mStatus = status;
        mBody = std::move(body);
    }
    // Each answer waits this long before it is sent.
    void SetDelay(int milliseconds) { mDelayMs = milliseconds; }
    std::vector<std::string> Targets() const {
        std::lock_guard lock(mMutex);
        return mTargets;
    }

private:
    httplib::Server mServer;
    int mPort = 0;
    std::atomic<int> mDelayMs{0};
    int mStatus = 200;
    std::string mBody = "ok";
    mutable std::mutex mMutex;
    std::vector<std::string> mTargets;
    std::thread mThread;
};

} // namespace quelmo::test
