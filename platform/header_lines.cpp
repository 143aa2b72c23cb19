// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/header_lines.h"

#include <cctype>

namespace quelmo::platform {

namespace {

// The header name of a line, lower-cased.
std::string NameOf(const std::string& line) {
    return Lower(line.substr(0, line.find(':')));
}

} // namespace

bool FollowsRedirect(int status, int followed, bool bodyStreamed) {
    constexpr int kMaxRedirects = 20;
    if (followed >= kMaxRedirects)
        return false;
    if (status == 307 || status == 308)
        return !bodyStreamed;
    return status == 301 || status == 302 || status == 303;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void PutLines(std::vector<std::string>& lines, const std::string& text, bool replace) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
        if (line.find(':') == std::string::npos)
            continue;
        if (replace) {
            const std::string name = NameOf(line);
            std::erase_if(lines, [&](const std::string& l) { return NameOf(l) == name; });
        }
        lines.push_back(std::move(line));
    }
}

std::optional<std::string> FindHeader(const std::vector<std::string>& lines,
                                      const std::string& name) {
    const std::string wanted = Lower(name);
    for (const std::string& line : lines) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || Lower(line.substr(0, colon)) != wanted)
            continue;
        const std::size_t first = line.find_first_not_of(" \t", colon + 1);
        if (first == std::string::npos)
            return std::string();
        const std::size_t last = line.find_last_not_of(" \t");
        return line.substr(first, last - first + 1);
    }
    return std::nullopt;
}

} // namespace quelmo::platform
