#include "platform/fs_files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quelmo::platform {

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeFolder(const std::string& path) {
    if (path.empty())
        return false;
    return ::mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && IsFolder(path));
}

bool RemoveFile(const std::string& path) {
    return !path.empty() && ::unlink(path.c_str()) == 0;
}

bool MakeWritable(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return false;
    return ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    return !from.empty() && !to.empty() && ::rename(from.c_str(), to.c_str()) == 0;
}

bool LinkFile(const std::string& existing, const std::string& newName) {
    return !existing.empty() && !newName.empty() && ::link(existing.c_str(), newName.c_str()) == 0;
}

bool SyncAndClose(std::FILE* stream, bool waitForDisk) {
    if (!stream)
        return false;
    bool ok = std::fflush(stream) == 0 && std::ferror(stream) == 0;
    if (waitForDisk)
        ok = ::fsync(::fileno(stream)) == 0 && ok;
    else // on its way to the disk now, rather than when write-back comes to it
        ::sync_file_range(::fileno(stream), 0, 0, SYNC_FILE_RANGE_WRITE);
    return std::fclose(stream) == 0 && ok;
}

void SyncFolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool FolderIsWritable(const std::string& path) {
    return IsFolder(path) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

} // namespace quelmo::platform
