#include "platform/swarm/conditional_get_swarm.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>

namespace quelmo::platform {

struct ConditionalGetSwarm::Transfer {
    std::size_t pc = 0;
    CURL* easy = nullptr;
    curl_slist* headers = nullptr;
    std::string etag, lastModified;
    ~Transfer() {
        curl_slist_free_all(headers);
        curl_easy_cleanup(easy);
    }
};

namespace {

std::size_t Discard(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
}

// Keeps the validators of the answer.
std::size_t Header(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<ConditionalGetSwarm::Transfer*>(user);
    std::string line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos) {
        std::string name = line.substr(0, colon);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const std::size_t first = line.find_first_not_of(' ', colon + 1);
        const std::string value = first == std::string::npos ? "" : line.substr(first);
        if (name == "etag")
            t->etag = value;
        else if (name == "last-modified")
            t->lastModified = value;
    }
    return size * count;
}

} // namespace

ConditionalGetSwarm::ConditionalGetSwarm(std::string url, std::size_t pcs, long connections,
                                         std::string authorityFile)
    : mUrl(std::move(url)), mAuthorityFile(std::move(authorityFile)), mPcs(pcs),
      mMulti(curl_multi_init()) {
    curl_multi_setopt(mMulti, CURLMOPT_MAX_TOTAL_CONNECTIONS, connections);
    curl_multi_setopt(mMulti, CURLMOPT_MAX_HOST_CONNECTIONS, connections);
}

ConditionalGetSwarm::~ConditionalGetSwarm() {
    for (const auto& t : mTransfers)
        curl_multi_remove_handle(mMulti, t->easy);
    mTransfers.clear();
    curl_multi_cleanup(mMulti);
}

void ConditionalGetSwarm::Ask(std::size_t pc) {
    auto t = std::make_unique<Transfer>();
    t->pc = pc;
    t->easy = curl_easy_init();
    const SwarmPc& p = mPcs[pc];
    if (!p.etag.empty())
        t->headers = curl_slist_append(t->headers, ("If-None-Match: " + p.etag).c_str());
    if (!p.lastModified.empty())
        t->headers =
            curl_slist_append(t->headers, ("If-Modified-Since: " + p.lastModified).c_str());
    curl_easy_setopt(t->easy, CURLOPT_URL, mUrl.c_str());
    curl_easy_setopt(t->easy, CURLOPT_HTTPHEADER, t->headers);
    curl_easy_setopt(t->easy, CURLOPT_USERAGENT, "Vormel component (quelmo.github.io)");
    curl_easy_setopt(t->easy, CURLOPT_WRITEFUNCTION, Discard);
    curl_easy_setopt(t->easy, CURLOPT_HEADERFUNCTION, Header);
    curl_easy_setopt(t->easy, CURLOPT_HEADERDATA, t.get());
    curl_easy_setopt(t->easy, CURLOPT_PRIVATE, t.get());
    curl_easy_setopt(t->easy, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(t->easy, CURLOPT_TIMEOUT, 30L);
    if (!mAuthorityFile.empty())
        curl_easy_setopt(t->easy, CURLOPT_CAINFO, mAuthorityFile.c_str());
    // Each PC is a machine of its own: no connection is reused between them.
    curl_easy_setopt(t->easy, CURLOPT_FORBID_REUSE, 1L);
    curl_multi_add_handle(mMulti, t->easy);
    mTransfers.push_back(std::move(t));
}

std::size_t ConditionalGetSwarm::Pending() const {
    return mTransfers.size();
}

std::vector<std::size_t> ConditionalGetSwarm::Run(int milliseconds) {
    int running = 0;
    curl_multi_perform(mMulti, &running);
    curl_multi_poll(mMulti, nullptr, 0, milliseconds, nullptr);
    curl_multi_perform(mMulti, &running);
    std::vector<std::size_t> ended;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(mMulti, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        Transfer* t = nullptr;
        curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &t);
        long status = 0, headerBytes = 0, requestBytes = 0;
        curl_off_t bodyBytes = 0;
        curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_getinfo(t->easy, CURLINFO_HEADER_SIZE, &headerBytes);
        curl_easy_getinfo(t->easy, CURLINFO_REQUEST_SIZE, &requestBytes);
        curl_easy_getinfo(t->easy, CURLINFO_SIZE_DOWNLOAD_T, &bodyBytes);
        SwarmPc& pc = mPcs[t->pc];
        pc.bytesUp += static_cast<std::size_t>(requestBytes);
        pc.bytesDown += static_cast<std::size_t>(headerBytes + bodyBytes);
        if (message->data.result == CURLE_OK && status == 200) {
            ++pc.bodies;
            pc.etag = t->etag;
            pc.lastModified = t->lastModified;
        } else if (message->data.result == CURLE_OK && status == 304) {
            ++pc.notModified;
        } else {
            ++pc.failures;
        }
        ended.push_back(t->pc);
        curl_multi_remove_handle(mMulti, t->easy);
        const auto it = std::find_if(mTransfers.begin(), mTransfers.end(),
                                     [t](const auto& owned) { return owned.get() == t; });
        std::iter_swap(it, mTransfers.end() - 1);
        mTransfers.pop_back();
    }
    return ended;
}

} // namespace quelmo::platform
