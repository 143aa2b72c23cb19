// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/http/fuzz/engine_input.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace quelmo::fuzz {

namespace {
constexpr std::size_t kMaxBodyBytes = 1u << 20; // of the whole script
constexpr std::size_t kMaxAnswers = 64;
constexpr std::size_t kMaxOldFile = 1u << 16;
} // namespace

char Pattern(std::size_t at) {
    return static_cast<char>(at * 7 % 251);
}

std::string PatternBytes(std::size_t at, std::size_t count) {
    constexpr std::size_t kPeriod = 251;
    static const std::string twice = [] {
        std::string bytes;
        for (std::size_t i = 0; i < 2 * kPeriod; ++i)
            bytes += Pattern(i);
        return bytes;
    }();
    std::string bytes;
    bytes.reserve(count);
    while (bytes.size() < count)
        bytes.append(twice, at % kPeriod, std::min(kPeriod, count - bytes.size()));
    return bytes;
}

std::uint64_t Number(std::string_view text, std::uint64_t limit) {
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::min(value, limit);
}

Options ParseOptions(std::string_view line) {
    Options o;
    while (!line.empty()) {
        const std::size_t end = std::min(line.find(' '), line.size());
        const std::string_view word = line.substr(0, end);
        line.remove_prefix(std::min(end + 1, line.size()));
        const std::size_t eq = word.find('=');
        const std::string_view key = word.substr(0, eq);
        const std::string_view value = eq == std::string_view::npos ? "" : word.substr(eq + 1);
        const auto number = [&](std::uint64_t limit) { return Number(value, limit); };
        const auto pair = [&](std::uint32_t& first, std::uint32_t& second) {
            const std::size_t dash = value.find('-');
            first = static_cast<std::uint32_t>(Number(value.substr(0, dash), 0xFFFFFFFFu));
            if (dash != std::string_view::npos)
                second = static_cast<std::uint32_t>(Number(value.substr(dash + 1), 0xFFFFFFFFu));
        };
        if (key == "file")
            o.toFile = true;
        else if (key == "badfile")
            o.toFile = o.badFile = true;
        else if (key == "resume")
            o.resume = true;
        else if (key == "post")
            o.post = true;
        else if (key == "upload")
            o.upload = true;
        else if (key == "noredirect")
            o.noRedirect = true;
        else if (key == "progress")
            o.progress = true;
        else if (key == "read")
            pair(o.from, o.to);
        else if (key == "range")
            pair(o.rangeStart, o.rangeEnd);
        else if (key == "chunk")
            o.chunk = static_cast<int>(number(1u << 16));
        else if (key == "old")
            o.old = number(kMaxOldFile);
        else if (key == "stale")
            o.stale = number(kMaxOldFile);
        else if (key == "password")
            o.password = static_cast<int>(number(9));
        else if (key == "proxy")
            o.proxy = static_cast<int>(number(9));
        else if (key == "info")
            o.info = value == "go" ? 1 : 0;
        else if (key == "abort")
            o.abortAt = static_cast<int>(number(1000));
        else if (key == "delete")
            o.abortDelete = true;
        else if (key == "atonce")
            o.abortAtOnce = true;
    }
    return o;
}

Script ParseScript(std::string_view text) {
    Script script;
    std::size_t bodyBytes = 0;
    bool open = false;   // an answer is being written
    bool inBody = false; // its final block ended
    const auto current = [&]() -> ScriptedAnswer& {
        if (!open) {
            script.answers.emplace_back();
            open = true;
            inBody = false;
        }
        return script.answers.back();
    };
    const auto endHeaders = [&](ScriptedAnswer& answer) {
        if (answer.blocks.empty() || answer.blocks.back().complete)
            return;
        answer.blocks.back().complete = true;
        const std::optional<int> status = StatusOf(answer.blocks.back().statusLine);
        inBody = !status || *status >= 200 || *status < 100;
    };
    while (!text.empty() && script.answers.size() <= kMaxAnswers) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty())
            continue;
        const std::string rest(line.substr(1));
        switch (line[0]) {
        case 'S':
            if (open && inBody)
                open = false; // the answer before ends as it should
            current().blocks.push_back({rest, {}, false});
            break;
        case 'H': {
            ScriptedAnswer& answer = current();
            if (!answer.blocks.empty() && !answer.blocks.back().complete)
                answer.blocks.back().headers.push_back(rest);
            break;
        }
        case 'E':
            endHeaders(current());
            break;
        case 'B':
        case 'P': {
            ScriptedAnswer& answer = current();
            endHeaders(answer);
            std::size_t at = 0, count = rest.size();
            if (line[0] == 'P') {
                const std::size_t comma = rest.find(',');
                at = Number(std::string_view(rest).substr(0, comma), 1u << 20);
                count = comma == std::string::npos ? 0 : Number(rest.substr(comma + 1), 1u << 18);
            }
            bodyBytes += count;
            if (bodyBytes > kMaxBodyBytes)
                return script;
            std::string bytes = line[0] == 'P' ? PatternBytes(at, count) : rest;
            answer.chunks.push_back(std::move(bytes));
            break;
        }
        case 'C':
        case 'X': {
            ScriptedAnswer& answer = current();
            if (line[0] == 'C')
                endHeaders(answer);
            answer.failed = line[0] == 'X';
            open = false;
            break;
        }
        default:
            break;
        }
    }
    return script;
}

} // namespace quelmo::fuzz
