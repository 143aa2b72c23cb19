// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// libcurl, opened on the first HTTP exchange instead of when the program starts: a PC that never
// fetches anything does not pay for it and for the TLS, name and key libraries it brings.
// The headers still give the types and constants; every call goes through the table.

#include <curl/curl.h>

#include <type_traits>

namespace quelmo::platform {

// The libcurl functions the HTTP client calls.
struct CurlLibrary {
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    decltype(&::curl_easy_setopt) easy_setopt;
    decltype(&::curl_easy_getinfo) easy_getinfo;
    decltype(&::curl_easy_pause) easy_pause;
    decltype(&::curl_slist_append) slist_append;
    decltype(&::curl_slist_free_all) slist_free_all;
    decltype(&::curl_multi_init) multi_init;
    decltype(&::curl_multi_cleanup) multi_cleanup;
    decltype(&::curl_multi_add_handle) multi_add_handle;
    decltype(&::curl_multi_remove_handle) multi_remove_handle;
    decltype(&::curl_multi_perform) multi_perform;
    decltype(&::curl_multi_poll) multi_poll;
    decltype(&::curl_multi_wakeup) multi_wakeup;
    decltype(&::curl_multi_info_read) multi_info_read;
    decltype(&::curl_share_init) share_init;
    decltype(&::curl_share_setopt) share_setopt;
    decltype(&::curl_share_cleanup) share_cleanup;
    decltype(&::curl_url) url;
    decltype(&::curl_url_cleanup) url_cleanup;
    decltype(&::curl_url_set) url_set;
    decltype(&::curl_url_get) url_get;
    decltype(&::curl_free) free;
};

// The library, opened, looked up and globally initialised by the first call from any thread;
// nullptr for good when it cannot be opened, lacks a function or fails to initialise (one line
// on stderr says why). Sessions then cannot be made, so exchanges fail as without a network.
const CurlLibrary* LoadCurl();

// Whether libcurl reads an option's value as a T. The option's number tells the type it reads
// with va_arg; the compile-time checks of libcurl's headers cover C only.
template <CURLoption option, class T> constexpr bool CurlOptionTakes() {
    using Pointee = std::remove_pointer_t<T>;
    constexpr int kind = option / 10000 * 10000;
    if constexpr (kind == CURLOPTTYPE_LONG)
        return std::is_same_v<T, long>;
    else if constexpr (kind == CURLOPTTYPE_OBJECTPOINT)
        return std::is_pointer_v<T> && !std::is_function_v<Pointee>;
    else if constexpr (kind == CURLOPTTYPE_FUNCTIONPOINT)
        return std::is_pointer_v<T> && std::is_function_v<Pointee>;
    else if constexpr (kind == CURLOPTTYPE_OFF_T)
        return std::is_same_v<T, curl_off_t>;
    else
        return false;
}

// curl_easy_setopt through the table, with the value's type checked against the option.
template <CURLoption option, class T>
CURLcode SetOption(const CurlLibrary& curl, CURL* easy, T value) {
    static_assert(CurlOptionTakes<option, T>(), "libcurl reads this option as another type");
    return curl.easy_setopt(easy, option, value);
}

} // namespace quelmo::platform
