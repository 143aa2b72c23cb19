// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer engine against scripted server answers (scripted_internet.h), into memory or an
// output file. On every input: exactly one outcome event, with OnAnyError where the outcome is
// a failure; a body handed over is the bytes that came, reported whole only when it ended as it
// should; an output file holds what the outcome says (the body, its old bytes, or a partial
// download marked incomplete, never a mix); no read past a told end; every handle, thread and
// file closed. The input is text: a line of options, then one line per piece of the answers
// (engine_input.h).
#include "http/winhttp.h"
#include "tests/http/fuzz/engine_checks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>

namespace {

using namespace quelmo;
using fuzz::Breach;
using fuzz::Exchange;

int Entries(const char* folder) {
    std::error_code error;
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder, error),
                                          std::filesystem::directory_iterator()));
}

QString gFolder;

// Waits, serving events, until the transfer's worker has ended and closed its handles. Most
// workers are ending already: a yield is all they need.
void AwaitWorkerEnd(int threadsBefore) {
    for (int i = 0; i < 200000; ++i) {
        if (fuzz::OpenHandles() == 0 && Entries("/proc/self/task") <= threadsBefore)
            return;
        QCoreApplication::processEvents();
        if (i < 1000)
            std::this_thread::yield();
        else
            std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    Breach("a worker or a handle outlived its transfer");
}

void Run(const fuzz::Options& o, fuzz::Script& script) {
    const QString output = o.badFile ? gFolder + "/missing/out.bin" : gFolder + "/out.bin";
    QFile::remove(gFolder + "/out.bin");
    if (o.toFile && o.old > 0) {
        std::string bytes = fuzz::PatternBytes(0, o.old);
        if (o.stale && *o.stale < bytes.size())
            bytes[*o.stale] ^= 1;
        QFile file(output);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    const std::optional<std::string> before = fuzz::ReadFile(output);
    const int threads = Entries("/proc/self/task");
    const int files = Entries("/proc/self/fd");
    fuzz::UseScript(&script);
    fuzz::Observed seen;
    {
        auto http = std::make_unique<TWinHTTP>();
        TWinHTTP& c = *http;
        c.URL = "http://fuzz.invalid/file.bin";
        c.SetWaitThread(true);
        c.SetTransferBufferSize(o.chunk);
        if (o.toFile)
            c.OutputFileName = output.toStdString();
        c.Range.StartRange = o.rangeStart;
        c.Range.EndRange = o.rangeEnd;
        if (o.post)
            c.POSTData = "week=1";
        if (o.noRedirect)
            c.InternetOptions.insert(ioNoAutoRedirect);
        const auto note = [&seen](std::string event) {
            if (seen.gone)
                Breach(event + " after the component was destroyed");
            seen.events.push_back(std::move(event));
        };
        c.OnDone = [&](TComponent*, const std::string&, std::uint32_t size, QIODevice* stream) {
            seen.doneStream = stream != nullptr;
            seen.body = StreamToString(stream, true);
            seen.doneSize = size;
            seen.whole = c.BodyWhole();
            note("Done");
        };
        c.OnConnLost = [&](TComponent*, const std::string&, std::uint32_t, std::uint32_t,
                           QIODevice*) { note("ConnLost"); };
        c.OnHTTPError = [&](TComponent*, int code, QIODevice* stream) {
            seen.body = StreamToString(stream, true);
            note("HTTPError " + std::to_string(code));
        };
        c.OnHostUnreachable = [&](TComponent*) { note("HostUnreachable"); };
        c.OnOutputFileError = [&](TComponent*) { note("OutputFileError"); };
        c.OnUploadCGITimeoutFailed = [&](TComponent*) { note("UploadCGITimeoutFailed"); };
        c.OnAborted = [&](TComponent*) { note("Aborted"); };
        c.OnDoneInterrupted = [&](TComponent*) { note("DoneInterrupted"); };
        c.OnWaitTimeoutExpired = [&](TComponent*, bool&) { note("WaitTimeoutExpired"); };
        c.OnAnyError = [&](TComponent*) { note("AnyError"); };
        c.OnRedirected = [&](TComponent*, const std::string& url) {
            std::lock_guard lock(seen.lock);
            seen.redirects.push_back(url);
        };
        if (o.progress || o.abortAt > 0)
            c.OnProgress = [&](TComponent*, const std::string&, std::uint32_t, std::uint32_t, int,
                               int, std::uint8_t, float, QIODevice*) {
                if (++seen.progress != o.abortAt)
                    return;
                seen.abortCalled = true;
                c.Abort(o.abortDelete, o.abortAtOnce);
            };
        if (o.password >= 0)
            c.OnPasswordRequest = [&](TComponent*, const std::string&, bool& tryAgain) {
                c.Username = "ann";
                c.Password = "pw";
                tryAgain = seen.passwordRounds++ < o.password;
            };
        if (o.proxy >= 0)
            c.OnProxyAuthenticationRequest = [&](TComponent*, std::string& user,
                                                 std::string& password, bool& tryAgain) {
                user = "proxy";
                password = "pw";
                tryAgain = seen.proxyRounds++ < o.proxy;
            };
        if (o.info >= 0)
            c.OnHeaderInfo = [&](TComponent*, int, const std::string&, const std::string&,
                                 const std::string&, const std::string&, std::uint32_t,
                                 const std::string&, DayCount, DayCount, DayCount,
                                 const std::string&,
                                 bool& continueDownload) { continueDownload = o.info == 1; };

        std::uint32_t start = o.from;
        if (o.upload) {
            start = 0;
            c.BeginPrepareUpload();
            c.UploadString("week", std::string(static_cast<std::size_t>(o.chunk) + 7, 'w'));
            c.EndPrepareUpload();
        } else if (o.resume) {
            const std::size_t size = before ? before->size() : 0;
            const auto chunk = static_cast<std::size_t>(c.GetTransferBufferSize());
            start = size > chunk ? static_cast<std::uint32_t>(size - chunk) : 0;
            c.Resume();
        } else {
            c.ReadRange(o.from, o.to, true);
        }
        AwaitWorkerEnd(threads);
        if (std::getenv("ENGINE_FUZZ_TRACE")) { // what an input did, for reading a finding
            std::string trace;
            for (const std::string& e : seen.events)
                trace += e + "; ";
            for (const Exchange& e : script.exchanges)
                trace += "[" + std::to_string(e.status.value_or(-1)) + " " +
                         std::to_string(e.arrived.size()) + "B]";
            std::fprintf(stderr, "%s\n", trace.c_str());
        }
        fuzz::Check(o, seen, script, c.Busy(), start, before, output);
        http.reset();
        seen.gone = true;
        QCoreApplication::processEvents();
    }
    fuzz::UseScript(nullptr);
    if (fuzz::OpenHandles() != 0)
        Breach("handles left open");
    if (Entries("/proc/self/fd") > files)
        Breach("a file left open");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QCoreApplication app(*argc, *argv);
    QString folder = QDir::tempPath() + "/engine_fuzz.XXXXXX";
    QByteArray name = folder.toLocal8Bit();
    if (!mkdtemp(name.data()))
        Breach("no folder for the output file");
    gFolder = QString::fromLocal8Bit(name);
    std::atexit([] { QDir(gFolder).removeRecursively(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = std::min(text.find('\n'), text.size());
    const fuzz::Options options = fuzz::ParseOptions(text.substr(0, newline));
    fuzz::Script script = fuzz::ParseScript(text.substr(std::min(newline + 1, text.size())));
    Run(options, script);
    return 0;
}
