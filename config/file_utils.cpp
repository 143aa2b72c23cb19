#include "config/file_utils.h"

#include "config/paths.h"
#include "platform/fs_files.h"

namespace quelmo {

namespace {

// Binary always (line ends are the caller's business), close-on-exec.
std::string StreamMode(const std::string& mode) {
    std::string out(1, mode.empty() ? 'r' : mode[0]);
    if (mode.find('+') != std::string::npos)
        out += '+';
    return out + "be";
}

void MakeFoldersFor(const std::string& fullPath) {
    for (std::size_t i = fullPath.find('\\', 1); i != std::string::npos;
         i = fullPath.find('\\', i + 1)) {
        const std::string folder = OsPath(fullPath.substr(0, i));
        if (!platform::IsFolder(folder))
            platform::MakeFolder(folder); // a failure shows when the file is opened
    }
}

std::string WithCrLf(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (char c : bytes) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace

bool FileExistsAt(const std::string& path) {
    return platform::IsRegularFile(OsPath(MakeAbsolute(path)));
}

bool FolderExistsAt(const std::string& path) {
    return platform::IsFolder(OsPath(MakeAbsolute(path)));
}

FileStream OpenFullPath(const std::string& fullPath, const std::string& mode) {
    if (fullPath.empty())
        return nullptr;
    const char kind = mode.empty() ? 'r' : mode[0];
    if (kind == 'r' && !platform::IsRegularFile(OsPath(fullPath)))
        return nullptr;
    if (kind == 'w' || kind == 'a')
        MakeFoldersFor(fullPath);
    return FileStream(std::fopen(OsPath(fullPath).c_str(), StreamMode(mode).c_str()));
}

FileStream OpenFileAt(const std::string& path, const std::string& mode) {
    return OpenFullPath(MakeAbsolute(path), mode);
}

std::string ReadWholeFile(const std::string& path) {
    return ReadFullPath(MakeAbsolute(path));
}

std::string ReadFullPath(const std::string& fullPath) {
    FileStream in = OpenFullPath(fullPath, "rb");
    if (!in || std::fseek(in.get(), 0, SEEK_END) != 0)
        return {};
    const long count = std::ftell(in.get());
    if (count <= 0 || std::fseek(in.get(), 0, SEEK_SET) != 0)
        return {};
    std::string bytes(static_cast<std::size_t>(count), '\0');
    if (std::fread(bytes.data(), 1, bytes.size(), in.get()) != bytes.size())
        return {};
    return bytes;
}

std::string TemporaryNameOf(const std::string& fullPath) {
    return fullPath + ".tmp";
}

namespace {
bool WriteFullPath(const std::string& bytes, const std::string& full, const std::string& mode) {
    if (bytes.empty() || full.empty())
        return false;
    const std::string data = mode.find('t') != std::string::npos ? WithCrLf(bytes) : bytes;
    const bool append = !mode.empty() && mode[0] == 'a';
    const std::string written = append ? full : TemporaryNameOf(full);
    FileStream out = OpenFullPath(written, append ? "ab" : "wb");
    if (!out)
        return false;
    const bool complete = std::fwrite(data.data(), 1, data.size(), out.get()) == data.size();
    const bool synced = platform::SyncAndClose(out.release());
    if (append)
        return complete && synced;
    if (!complete || !synced || !platform::RenameFile(OsPath(written), OsPath(full))) {
        platform::RemoveFile(OsPath(written));
        return false;
    }
    platform::SyncFolderOf(OsPath(full));
    return true;
}
} // namespace

bool WriteWholeFile(const std::string& bytes, const std::string& path, const std::string& mode) {
    return WriteFullPath(bytes, MakeAbsolute(path), mode);
}

std::int64_t CopyFileContents(const std::string& source, const std::string& target) {
    return CopyFullPath(MakeAbsolute(source), MakeAbsolute(target));
}

std::int64_t CopyFullPath(const std::string& source, const std::string& target) {
    if (source.empty() || !platform::IsRegularFile(OsPath(source)))
        return -1;
    const std::string bytes = ReadFullPath(source);
    if (bytes.empty())
        return 0;
    return WriteFullPath(bytes, target, "wb") ? static_cast<std::int64_t>(bytes.size()) : -1;
}

void DeleteFileForced(const std::string& path) {
    const std::string os = OsPath(MakeAbsolute(path));
    if (!platform::RemoveFile(os) && platform::MakeWritable(os))
        platform::RemoveFile(os);
}

} // namespace quelmo
