// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/http/fuzz/engine_checks.h"

#include "http/winhttp_utils.h"

#include <QFile>

#include <algorithm>

namespace quelmo::fuzz {

std::optional<std::string> ReadFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll().toStdString();
}

namespace {

// The offset the request asked its range from ("RANGE: bytes=<n>-"), or nothing.
std::optional<std::uint64_t> AskedFrom(const Exchange& exchange) {
    const std::size_t at = exchange.requestHeaders.find("RANGE: bytes=");
    if (at == std::string::npos)
        return std::nullopt;
    return Number(std::string_view(exchange.requestHeaders).substr(at + 13), 0xFFFFFFFFu);
}

// A Content-Length the engine has to hold the body to: decimal digits only, not 0.
std::optional<std::uint64_t> AnnouncedLength(const Exchange& exchange) {
    for (const std::string& line : exchange.headers) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || QString::fromStdString(line.substr(0, colon))
                                              .compare("Content-Length", Qt::CaseInsensitive))
            continue;
        const std::size_t first = line.find_first_not_of(" \t", colon + 1);
        const std::size_t last = line.find_last_not_of(" \t");
        if (first == std::string::npos || last - first >= 9)
            return std::nullopt;
        const std::string value = line.substr(first, last - first + 1);
        if (value.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        const std::uint64_t length = std::stoull(value);
        return length ? std::optional(length) : std::nullopt;
    }
    return std::nullopt;
}

[[noreturn]] void Fail(const std::string& what, const Observed& seen) {
    std::string events;
    for (const std::string& e : seen.events)
        events += " " + e;
    Breach(what + " (events:" + events + ")");
}

bool IsFailure(const std::string& outcome) {
    return outcome == "OutputFileError" || outcome == "ConnLost" ||
           outcome == "UploadCGITimeoutFailed" || outcome == "HostUnreachable" ||
           outcome.rfind("HTTPError", 0) == 0;
}

void CheckFile(const Options& o, const Observed& seen, const std::string& outcome,
               const Exchange* last, std::uint32_t start, const std::optional<std::string>& before,
               const QString& output) {
    const std::optional<std::string> after = ReadFile(output);
    TWinHTTPFileAttributes attributes;
    GetFileAttr(output.toStdString(), attributes);
    const bool incomplete = attributes.count(atrTemporary) > 0;
    // Where a 206 body belongs: after the old bytes up to the offset the request asked from.
    std::size_t offset = 0;
    if (last && last->status == 206 && start > 0 && AskedFrom(*last) == start)
        offset = start;
    const std::string old = before.value_or(std::string());
    const auto partial = [&] {
        if (!after || after->size() < offset || old.size() < offset ||
            after->compare(0, offset, old, 0, offset) != 0)
            return false;
        const std::string_view tail = std::string_view(*after).substr(offset);
        return last && std::string_view(last->arrived).substr(0, tail.size()) == tail;
    };
    if (outcome == "Done") {
        if (!seen.doneStream && after == before && before && seen.doneSize == before->size())
            return; // already complete
        if (!after || !last)
            Fail("done without its file", seen);
        const std::string expected = old.substr(0, offset) + last->arrived;
        if (*after != expected)
            Fail("done, and the file holds " + std::to_string(after->size()) +
                     " bytes other than the " + std::to_string(expected.size()) + " expected",
                 seen);
        if (seen.doneSize != after->size())
            Fail("done with a size other than the file's", seen);
        if (incomplete)
            Fail("done, and the file is still marked incomplete", seen);
        return;
    }
    if (after == before)
        return;
    const bool mayBePartial = outcome == "ConnLost" || (outcome == "Aborted" && !o.abortDelete);
    if (outcome == "Aborted" && o.abortDelete && !after)
        return;
    if (!mayBePartial || !partial())
        Fail(outcome + " left the file changed (" + std::to_string(after ? after->size() : 0) +
                 " bytes)",
             seen);
    if (!incomplete)
        Fail(outcome + " left a partial file not marked incomplete", seen);
}

} // namespace

void Check(const Options& o, Observed& seen, const Script& script, bool busy, std::uint32_t start,
           const std::optional<std::string>& before, const QString& output) {
    std::vector<std::string> outcomes;
    for (const std::string& e : seen.events)
        if (e != "AnyError")
            outcomes.push_back(e);
    if (outcomes.size() != 1)
        Fail("not exactly one outcome", seen);
    const std::string& outcome = outcomes[0];
    std::vector<std::string> expected{outcome};
    if (outcome == "OutputFileError")
        expected.insert(expected.begin(), "AnyError");
    else if (IsFailure(outcome))
        expected.push_back("AnyError");
    if (seen.events != expected)
        Fail("the outcome's events out of order", seen);
    if (busy)
        Fail("busy after its outcome", seen);
    if ((outcome == "Aborted") != seen.abortCalled)
        Fail("aborted without an abort, or an abort without its event", seen);
    if (outcome == "DoneInterrupted" && o.info != 0)
        Fail("interrupted without the header handler's refusal", seen);
    if (outcome == "UploadCGITimeoutFailed" && !o.upload)
        Fail("an upload's failure without an upload", seen);

    const Exchange* last = script.exchanges.empty() ? nullptr : &script.exchanges.back();
    int lastStatus = -1;
    for (const Exchange& e : script.exchanges)
        if (!e.redirected)
            lastStatus = e.status.value_or(lastStatus);
    if (outcome == "HostUnreachable" && last && last->status)
        Fail("host unreachable after an answer", seen);
    if (outcome.rfind("HTTPError", 0) == 0) {
        if (outcome != "HTTPError " + std::to_string(lastStatus))
            Fail("an error status other than the last answer's", seen);
        if (!o.toFile && last && last->status == lastStatus && seen.body != last->arrived)
            Fail("an error page other than the one that came", seen);
    }
    if (outcome == "ConnLost" && lastStatus != 200 && lastStatus != 206)
        Fail("connection lost without a body answer", seen);
    if (outcome == "Done" && seen.doneStream) {
        if (!last || (last->status != 200 && last->status != 206))
            Fail("done without a body answer", seen);
        const std::optional<std::uint64_t> length = AnnouncedLength(*last);
        if (length && last->arrived.size() != *length)
            Fail("done with a body other than its Content-Length", seen);
        if (seen.body != last->arrived)
            Fail("done with bytes other than those that came", seen);
        std::size_t offset = 0;
        if (last->status == 206 && start > 0 && AskedFrom(*last) == start)
            offset = start;
        // In 32 bits, the largest where the sum goes beyond.
        if (seen.doneSize != std::min<std::uint64_t>(seen.body.size() + offset, 0xFFFFFFFFu))
            Fail("done with a size other than the body's", seen);
    }
    if (outcome == "Done" && seen.whole &&
        (!last || !last->ended || !last->clean || last->handedOut != last->arrived.size()))
        Fail("a body reported whole that did not end as it should", seen);
    {
        std::lock_guard lock(seen.lock);
        if (outcome != "Aborted" && seen.redirects != script.redirects)
            Fail("redirects told other than followed", seen);
    }
    if (o.toFile && !o.badFile)
        CheckFile(o, seen, outcome, last, start, before, output);
    else if (o.badFile && ReadFile(output))
        Fail("a file made where none can be", seen);
}

} // namespace quelmo::fuzz
