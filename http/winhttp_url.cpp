// SPDX-License-Identifier: GPL-3.0-or-later
// URL and text utilities of the transfer, and the texts of HTTP statuses.
#include "http/winhttp_url.h"
#include "power/ascii_case.h"

#include <array>
#include <utility>

namespace quelmo {

namespace {

constexpr const char* kHex = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "%XX" as its byte; anything else as it is.
std::string DecodeEscapes(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool room = i + 2 < text.size();
        const int high = room ? HexValue(text[i + 1]) : -1;
        const int low = room ? HexValue(text[i + 2]) : -1;
        if (text[i] == '%' && high >= 0 && low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

unsigned short DefaultPort(const std::string& scheme) {
    const std::string lower = AsciiLower(scheme);
    if (lower == "http")
        return 80;
    if (lower == "https")
        return 443;
    if (lower == "ftp")
        return 21;
    return 0;
}

} // namespace

bool ParseURL(const std::string& url, std::string& scheme, std::string& hostName,
              std::string& urlPath, std::string& userName, std::string& password,
              std::string& extraInfo, unsigned short& port) {
    const std::string full = url.find("://") == std::string::npos ? "http://" + url : url;
    const std::size_t mark = full.find("://");
    const std::string s = full.substr(0, mark);
    if (s.empty() || s.size() > 32 ||
        s.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-.") !=
            std::string::npos)
        return false;
    const std::string rest = full.substr(mark + 3);
    const std::size_t authorityEnd = std::min(rest.find_first_of("/?#"), rest.size());
    std::string authority = rest.substr(0, authorityEnd);
    const std::string tail = rest.substr(authorityEnd);
    std::string user, pass;
    if (const std::size_t at = authority.rfind('@'); at != std::string::npos) {
        const std::string info = authority.substr(0, at);
        const std::size_t colon = info.find(':');
        user = info.substr(0, colon);
        pass = colon == std::string::npos ? "" : info.substr(colon + 1);
        authority.erase(0, at + 1);
    }
    std::string host = authority, portText;
    if (!authority.empty() && authority[0] == '[') {
        const std::size_t close = authority.find(']');
        if (close == std::string::npos)
            return false;
        host = authority.substr(1, close - 1);
        const std::string after = authority.substr(close + 1);
        if (!after.empty() && after[0] != ':')
            return false;
        portText = after.empty() ? "" : after.substr(1);
    } else if (const std::size_t colon = authority.rfind(':'); colon != std::string::npos) {
        host = authority.substr(0, colon);
        portText = authority.substr(colon + 1);
    }
    unsigned long number = DefaultPort(s);
    if (!portText.empty()) {
        if (portText.size() > 5 || portText.find_first_not_of("0123456789") != std::string::npos)
            return false;
        number = std::stoul(portText);
        if (number > 65535)
            return false;
    }
    const bool localFile = AsciiLower(s) == "file";
    if (host.empty() && !localFile)
        return false;
    const std::size_t extraStart = std::min(tail.find_first_of("?#"), tail.size());
    const std::string path = DecodeEscapes(tail.substr(0, extraStart));
    const std::string extra = DecodeEscapes(tail.substr(extraStart));
    if (host.size() > 256 || user.size() > 128 || pass.size() > 128 || path.size() > 2048 ||
        extra.size() > 2048)
        return false;
    scheme = s;
    hostName = host;
    urlPath = path;
    userName = user;
    password = pass;
    extraInfo = extra;
    port = static_cast<unsigned short>(number);
    return true;
}

std::string URLEncode(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte >= 128 || std::string_view(" #%*+<>").find(c) != std::string::npos) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::string URLDecode(const std::string& text) {
    std::string plus = text;
    for (char& c : plus)
        if (c == '+')
            c = ' ';
    std::string out;
    out.reserve(plus.size());
    for (std::size_t i = 0; i < plus.size(); ++i) {
        if (plus[i] != '%') {
            out += plus[i];
            continue;
        }
        // The two characters after it are consumed whether they make a byte or not.
        const int high = i + 1 < plus.size() ? HexValue(plus[i + 1]) : -1;
        const int low = i + 2 < plus.size() ? HexValue(plus[i + 2]) : -1;
        if (high >= 0 && low >= 0 && high * 16 + low > 0)
            out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string URLToHostName(const std::string& url) {
    std::string scheme, host, path, user, password, extra;
    unsigned short port = 0;
    ParseURL(url, scheme, host, path, user, password, extra, port);
    return host;
}

std::string URLToFileName(const std::string& url) {
    std::string scheme, host, path, user, password, extra;
    unsigned short port = 0;
    ParseURL(url, scheme, host, path, user, password, extra, port);
    ReplaceChars(path, '\\', "/");
    return path.substr(path.rfind('\\') == std::string::npos ? 0 : path.rfind('\\') + 1);
}

std::string IncludeLeadingChar(const std::string& text, char c) {
    return !text.empty() && text[0] == c ? text : c + text;
}

std::string ExcludeLeadingChar(const std::string& text, char c) {
    const std::size_t first = text.find_first_not_of(c);
    return first == std::string::npos ? std::string() : text.substr(first);
}

void ReplaceChars(std::string& text, char c, std::string_view set) {
    for (char& ch : text)
        if (set.find(ch) != std::string_view::npos)
            ch = c;
}

std::string HTTPErrorToStr(int code) {
    static constexpr std::array<std::pair<int, const char*>, 38> kTexts{{
        {100, "OK to continue with request"},
        {101, "server has switched protocols in upgrade header"},
        {200, "request completed"},
        {201, "object created, reason = new URI"},
        {202, "async completion (TBS)"},
        {203, "partial completion"},
        {204, "no info to return"},
        {205, "request completed, but clear form"},
        {206, "partial GET furfilled"},
        {300, "server couldn't decide what to return"},
        {301, "object permanently moved"},
        {302, "object temporarily moved"},
        {303, "redirection w/ new access method"},
        {304, "if-modified-since was not modified"},
        {305, "redirection to proxy, location header specifies proxy to use"},
        {307, "HTTP/1.1: keep same verb"},
        {400, "invalid syntax"},
        {401, "access denied"},
        {402, "payment required"},
        {403, "request forbidden"},
        {404, "object not found"},
        {405, "method is not allowed"},
        {406, "no response acceptable to client found"},
        {407, "proxy authentication required"},
        {408, "server timed out waiting for request"},
        {409, "user should resubmit with more info"},
        {410, "the resource is no longer available"},
        {411, "couldn't authorize client"},
        {412, "precondition given in request failed"},
        {413, "request entity was too large"},
        {414, "request URI too long"},
        {415, "unsupported media type"},
        {500, "internal server error"},
        {501, "required not supported"},
        {502, "error response received from gateway"},
        {503, "temporarily overloaded"},
        {504, "timed out waiting for gateway"},
        {505, "HTTP version not supported"},
    }};
    for (const auto& [number, text] : kTexts)
        if (number == code)
            return text;
    return {};
}

} // namespace quelmo
