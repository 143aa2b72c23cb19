// SPDX-License-Identifier: GPL-3.0-or-later
// Opening libcurl on first use.
#include "platform/curl_library.h"

#include <dlfcn.h>

#include <cstdio>
#include <optional>

namespace quelmo::platform {

namespace {

// The run-time library of the development headers' ABI.
constexpr const char* kLibraryName = "libcurl.so.4";

template <class Function> bool Find(void* library, const char* name, Function& slot) {
    slot = reinterpret_cast<Function>(dlsym(library, name));
    if (!slot)
        std::fprintf(stderr, "quelmo: %s has no %s; HTTP is unavailable\n", kLibraryName, name);
    return slot != nullptr;
}

std::optional<CurlLibrary> Open() {
    // Never closed: the library's threads and connections may outlive any one user of it.
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "quelmo: %s; HTTP is unavailable\n", dlerror());
        return std::nullopt;
    }
    CurlLibrary curl{};
    decltype(&::curl_global_init) globalInit = nullptr;
    const bool found = Find(library, "curl_global_init", globalInit) &&
                       Find(library, "curl_easy_init", curl.easy_init) &&
                       Find(library, "curl_easy_cleanup", curl.easy_cleanup) &&
                       Find(library, "curl_easy_setopt", curl.easy_setopt) &&
                       Find(library, "curl_easy_getinfo", curl.easy_getinfo) &&
                       Find(library, "curl_easy_pause", curl.easy_pause) &&
                       Find(library, "curl_slist_append", curl.slist_append) &&
                       Find(library, "curl_slist_free_all", curl.slist_free_all) &&
                       Find(library, "curl_multi_init", curl.multi_init) &&
                       Find(library, "curl_multi_cleanup", curl.multi_cleanup) &&
                       Find(library, "curl_multi_add_handle", curl.multi_add_handle) &&
                       Find(library, "curl_multi_remove_handle", curl.multi_remove_handle) &&
                       Find(library, "curl_multi_perform", curl.multi_perform) &&
                       Find(library, "curl_multi_poll", curl.multi_poll) &&
                       Find(library, "curl_multi_wakeup", curl.multi_wakeup) &&
                       Find(library, "curl_multi_info_read", curl.multi_info_read) &&
                       Find(library, "curl_share_init", curl.share_init) &&
                       Find(library, "curl_share_setopt", curl.share_setopt) &&
                       Find(library, "curl_share_cleanup", curl.share_cleanup) &&
                       Find(library, "curl_url", curl.url) &&
                       Find(library, "curl_url_cleanup", curl.url_cleanup) &&
                       Find(library, "curl_url_set", curl.url_set) &&
                       Find(library, "curl_url_get", curl.url_get) &&
                       Find(library, "curl_free", curl.free);
    if (!found)
        return std::nullopt;
    if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        std::fprintf(stderr, "quelmo: %s failed to initialise; HTTP is unavailable\n",
                     kLibraryName);
        return std::nullopt;
    }
    return curl;
}

} // namespace

const CurlLibrary* LoadCurl() {
    // Initialised once, under the guard of a local static: curl_global_init is not
    // thread-safe in every libcurl this may find.
    // Trivially destructible, so still there for a worker thread that outlives main().
    static const std::optional<CurlLibrary> curl = Open();
    return curl ? &*curl : nullptr;
}

} // namespace quelmo::platform
