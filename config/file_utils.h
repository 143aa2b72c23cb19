#pragma once
// Small file utilities on stored names (resolved by MakeAbsolute). None of them reports an
// error other than through its result.
//
// Only stored names are limited in length; the full path one resolves to may be longer (a
// program folder deep down). Code that holds a resolved path uses the *FullPath forms, so that
// what was written under it is read back under it: resolving it again would refuse it.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace quelmo {

struct FileCloser {
    void operator()(std::FILE* stream) const {
        if (stream)
            std::fclose(stream);
    }
};
using FileStream = std::unique_ptr<std::FILE, FileCloser>;

bool FileExistsAt(const std::string& path);
bool FolderExistsAt(const std::string& path);

// Opens with a C stream mode ("rb", "wt", "a" …). Reading needs an existing file; writing and
// appending create the missing folders on the way. Streams never translate line ends.
FileStream OpenFileAt(const std::string& path, const std::string& mode);
// The same on a full path, without the length limit of stored names.
FileStream OpenFullPath(const std::string& fullPath, const std::string& mode);

// The whole file; empty when it is missing, empty or unreadable.
std::string ReadWholeFile(const std::string& path);
std::string ReadFullPath(const std::string& fullPath);
// Mode "w…" replaces the file through a temporary file, so that a reader never finds half of
// it; "a…" appends. A "t" in the mode writes each line feed as CR LF, as text streams did.
// True only when every byte reached the file; nothing is written for empty bytes.
bool WriteWholeFile(const std::string& bytes, const std::string& path, const std::string& mode);
// −1 when the source is missing or the write failed, 0 when the source is empty or
// unreadable (the target is left alone), else the number of bytes copied.
std::int64_t CopyFileContents(const std::string& source, const std::string& target);
std::int64_t CopyFullPath(const std::string& source, const std::string& target);
// Deletes, and once more after making the file writable.
void DeleteFileForced(const std::string& path);

// Where a file is written before it takes its own name.
std::string TemporaryNameOf(const std::string& fullPath);

} // namespace quelmo
