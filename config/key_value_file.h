#pragma once
// The key=value store behind both configuration files.
//
// A reading store loads the whole file and looks keys up in memory; a writing store produces
// a fresh file line by line in call order. Values of any length are read and written whole.
// Saving never leaves the file half written: the new text goes to a temporary file that is
// flushed to the disk before it takes the file's name, the previous version becoming the
// "~" backup. A reader that finds the file missing or empty while a temporary file is left
// over (a save was cut short), or finds it empty beside a backup (a save whose text the disk
// never got), reads the backup instead.

#include "config/file_utils.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quelmo {

class TKeyValueFile {
public:
    // Opens `fileName` (a stored name) for reading or for writing. Never fails outright:
    // see Failed.
    TKeyValueFile(const std::string& fileName, bool forReading);
    // A reading store over bytes already in memory, as a file's load would give them.
    static TKeyValueFile FromBytes(std::string_view bytes);
    ~TKeyValueFile();
    TKeyValueFile(TKeyValueFile&&) noexcept = default;
    TKeyValueFile& operator=(TKeyValueFile&&) = delete;
    TKeyValueFile(const TKeyValueFile&) = delete;
    TKeyValueFile& operator=(const TKeyValueFile&) = delete;

    // Reading: nothing could be loaded. Writing: the file could not be created.
    bool Failed() const;
    const std::string& FileName() const { return mFileName; }

    // The value as the file has it, empty ones included; nullopt when the key is missing.
    std::optional<std::string> Find(std::string_view key) { return Lookup(key); }
    // The value, or `def` when the key is missing or its value empty.
    std::string ReadText(std::string_view key, const std::string& def);
    // Decimal, or hexadecimal after "#"; leading digits count. `def` when nothing parses.
    int ReadInt(std::string_view key, int def);
    // `def` also for values that are not finite numbers.
    double ReadFloat(std::string_view key, double def);

    // Appends key=value with control characters escaped; an empty key writes nothing.
    void WriteText(std::string_view key, std::string_view value);
    void WriteInt(std::string_view key, int value);
    // Six decimals, then trailing zeros and a trailing dot dropped: 80, 3.5, 0.25.
    void WriteFloat(std::string_view key, double value);
    // The name in stored form (ShortPath).
    void WritePath(std::string_view key, const std::string& fileName);

    // Writing: completes the file, then keeps the backup rules. Idempotent.
    void Close();
    // Writing: Close leaves the new text to the system's write-back instead of waiting for the
    // disk. A crash may then lose this save, never the version before it.
    void LeaveToWriteBack() { mSync = false; }

    // The text of a number as WriteFloat writes it.
    static std::string FormatFloat(double value);

private:
    TKeyValueFile() = default;
    void Load(std::string_view bytes);
    bool FindKey(std::string_view key, bool firstPass);
    std::string TakeValue();
    std::optional<std::string> Lookup(std::string_view key);
    void FlushBuffer();
    void FinishWriting();

    std::string mFileName;
    bool mForReading = true;
    // Reading: exactly the file's bytes, so that a scan past them cannot go unnoticed.
    std::unique_ptr<char[]> mData;
    std::size_t mSize = 0;
    std::size_t mPos = 0;
    std::size_t mSectionStart = 0;
    // Writing.
    FileStream mOut;
    std::string mBuffer;
    bool mWriteFailed = false;
    bool mSync = true;
    bool mClosed = false;
};

} // namespace quelmo
