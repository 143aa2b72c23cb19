#pragma once
// File and folder services on OS paths ("/" separators). Failures are reported only through
// the results; nothing here throws.

#include <cstdio>
#include <string>

namespace quelmo::platform {

bool IsRegularFile(const std::string& path);
bool IsFolder(const std::string& path);
// One folder level; true when it exists afterwards.
bool MakeFolder(const std::string& path);
bool RemoveFile(const std::string& path);
// Adds the owner's write permission (the counterpart of clearing a read-only attribute).
bool MakeWritable(const std::string& path);
// Replaces `to` atomically when it exists.
bool RenameFile(const std::string& from, const std::string& to);
// A second name for the same file; false where the file system has no hard links.
bool LinkFile(const std::string& existing, const std::string& newName);
// Writes what the stream buffers through to the disk and closes it; with `waitForDisk` false
// the writing is started at once and not waited for. True only when every step succeeded; the
// stream is closed in any case.
bool SyncAndClose(std::FILE* stream, bool waitForDisk = true);
// Makes a rename or a new name in the folder holding `path` durable.
void SyncFolderOf(const std::string& path);
// The folder exists and this process may create files in it.
bool FolderIsWritable(const std::string& path);

} // namespace quelmo::platform
