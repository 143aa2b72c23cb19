// SPDX-License-Identifier: GPL-3.0-or-later
// quelmo-wakealarm: sets or clears the RTC's wake-up alarm, and does nothing else. pkexec runs
// it as root for the user of an active local session (polkit action
// io.github.quelmo.Quelmo.set-wake-alarm), so its argument is untrusted: exactly one, either
// "clear" or an epoch second after now and at most eight days ahead, in plain decimal digits
// (no sign, blank or leading zero). The attribute is fixed; only the tests' build of this file
// writes a stand-in, named by QUELMO_TEST_WAKEALARM.
//
// Exit status: 0 done, 1 refused, 2 the attribute could not be written.
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr long long kMostAhead = 8LL * 24 * 3600;
constexpr int kDone = 0, kRefused = 1, kNotWritten = 2;

const char* Attribute() {
#ifdef QUELMO_WAKEALARM_TEST_BUILD
    const char* standIn = std::getenv("QUELMO_TEST_WAKEALARM");
    return standIn ? standIn : "";
#else
    return "/sys/class/rtc/rtc0/wakealarm";
#endif
}

// The epoch second the argument names, or -1 when it is not one in canonical form.
long long ParseSecond(std::string_view text) {
    if (text.empty() || text.size() > 18 || text.front() == '0')
        return -1;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
    }
    long long second = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), second);
    return error == std::errc() && end == text.data() + text.size() ? second : -1;
}

// As `echo value > attribute`: one write of its own per value, which the kernel takes whole.
bool Write(const char* attribute, std::string_view value) {
    const int fd = ::open(attribute, O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::string line(value);
    line += '\n';
    const bool written = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    return ::close(fd) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return kRefused;
    const std::string_view argument = argv[1];
    const char* attribute = Attribute();
    if (argument == "clear")
        return Write(attribute, "0") ? kDone : kNotWritten;

    const long long second = ParseSecond(argument);
    timespec now{};
    if (second < 0 || ::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return kRefused;
    if (second <= now.tv_sec || second > now.tv_sec + kMostAhead)
        return kRefused;
    // A new alarm is taken only once the old one is cleared.
    return Write(attribute, "0") && Write(attribute, argument) ? kDone : kNotWritten;
}
