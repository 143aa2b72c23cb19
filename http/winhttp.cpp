#include "http/winhttp.h"

#include "platform/http_get.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace quelmo {

namespace {
std::string& WebHostSlot() {
    static std::string host = QUELMO_WEB_HOST;
    return host;
}

struct Transfer {
    std::atomic<bool> done{false};
    std::string body;
};
} // namespace

const std::string& ProductWebHost() {
    return WebHostSlot();
}
void SetProductWebHost(std::string host) {
    WebHostSlot() = std::move(host);
}

std::string HTTPReadString(const std::string& url, int timeout) {
    if (url.empty())
        return {};
    auto transfer = std::make_shared<Transfer>();
    // The dispatcher lives as long as the GUI thread; its wakeUp() may be called from any thread.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    std::thread worker([transfer, url, timeout, dispatcher] {
        if (auto body = platform::HttpGet(url, timeout))
            transfer->body = std::move(*body);
        transfer->done.store(true, std::memory_order_release);
        if (dispatcher)
            dispatcher->wakeUp();
    });
    // The caller's events (ticks among them) keep being served while the worker runs.
    QDeadlineTimer deadline(timeout > 0 ? timeout : QDeadlineTimer::Forever);
    QTimer limit;
    limit.setSingleShot(true);
    if (timeout > 0)
        limit.start(timeout); // wakes the wait when the time is up
    while (!transfer->done.load(std::memory_order_acquire) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!transfer->done.load(std::memory_order_acquire)) {
        worker.detach(); // bounded by the transfer's own time-outs; its result is dropped
        return {};
    }
    worker.join();
    return std::move(transfer->body);
}

} // namespace quelmo
