#include "platform/fs_mounts.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace quelmo::platform {

namespace {

std::optional<std::string>& TestTable() {
    static std::optional<std::string> table;
    return table;
}

std::string ReadMountTable() {
    if (TestTable())
        return *TestTable();
    std::ifstream in("/proc/self/mountinfo", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Mount points escape blanks, tabs, line feeds and backslashes as "\ooo".
std::string Unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                out += static_cast<char>(std::strtol(digits.c_str(), nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// The real location of `path`: its longest existing part with links resolved, then the rest.
std::string RealLocation(const std::string& path) {
    std::string existing = path;
    std::string rest;
    struct stat st {};
    while (!existing.empty() && ::stat(existing.c_str(), &st) != 0) {
        const auto slash = existing.find_last_of('/');
        if (slash == std::string::npos)
            return path;
        rest = existing.substr(slash) + rest;
        existing = slash == 0 ? std::string("/") : existing.substr(0, slash);
    }
    char resolved[PATH_MAX];
    if (existing.empty() || !::realpath(existing.c_str(), resolved))
        return path;
    std::string out = resolved;
    if (out == "/" && !rest.empty())
        out.clear();
    return out + rest;
}

bool Contains(const std::string& mountPoint, const std::string& path) {
    if (mountPoint == "/")
        return !path.empty() && path[0] == '/';
    return path.compare(0, mountPoint.size(), mountPoint) == 0 &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

} // namespace

MountEntry MountOf(const std::string& path) {
    if (path.empty() || path[0] != '/')
        return {};
    const std::string location = RealLocation(path);
    std::istringstream table(ReadMountTable());
    std::string line;
    MountEntry best;
    std::string bestId;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::vector<std::string> f;
        for (std::string w; fields >> w;)
            f.push_back(w);
        if (f.size() < 7)
            continue;
        std::size_t dash = 6;
        while (dash < f.size() && f[dash] != "-")
            ++dash;
        if (dash + 1 >= f.size())
            continue;
        const std::string point = Unescape(f[4]);
        if (!Contains(point, location))
            continue;
        // On a tie the later mount lies on top of the earlier one (its parent is that mount).
        if (best.mountPoint.empty() || point.size() > best.mountPoint.size() ||
            (point.size() == best.mountPoint.size() && f[1] == bestId)) {
            best = {point, f[dash + 1]};
            bestId = f[0];
        }
    }
    return best;
}

bool IsNetworkFileSystem(const std::string& type) {
    return type.rfind("nfs", 0) == 0 || type == "cifs" || type == "smb3" || type == "smbfs" ||
           type == "sshfs" || type == "fuse.sshfs";
}

void SetMountTableForTesting(std::optional<std::string> mountInfo) {
    TestTable() = std::move(mountInfo);
}

} // namespace quelmo::platform
