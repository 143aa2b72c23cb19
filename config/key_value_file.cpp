#include "config/key_value_file.h"
#include "power/ascii_case.h"

#include "config/paths.h"
#include "platform/fs_files.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quelmo {

namespace {

// The block size of the output; the buffer goes to the file when less than the reserve is
// left of it.
constexpr std::size_t kOutputBlock = 8192;
constexpr std::size_t kOutputReserve = 500;
// The first pass of a lookup looks this many lines ahead of the last value read.
constexpr int kLookAheadLines = 5;

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "&#" + three decimal digits + ";" is the byte of that code (modulo 256).
std::string Decode(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '&' && i + 5 < value.size() && value[i + 1] == '#' &&
            IsDigit(value[i + 2]) && IsDigit(value[i + 3]) && IsDigit(value[i + 4]) &&
            value[i + 5] == ';') {
            const int code =
                (value[i + 2] - '0') * 100 + (value[i + 3] - '0') * 10 + (value[i + 4] - '0');
            out += static_cast<char>(static_cast<unsigned char>(code % 256));
            i += 5;
        } else {
            out += value[i];
        }
    }
    return out;
}

// Moves past leading blanks and a sign, as the scanf conversions do; true for a minus.
bool SkipBlanksAndSign(const std::string& text, std::size_t& i) {
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return text[i++] == '-';
    return false;
}

// What "%d" reads: blanks, a sign, the leading digits; beyond the int range it saturates.
std::optional<int> ParseDecimal(const std::string& text) {
    std::size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, i);
    if (i >= text.size() || !IsDigit(text[i]))
        return std::nullopt;
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), 1LL << 40);
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int HexDigit(char c) {
    if (IsDigit(c))
        return c - '0';
    const char lower = AsciiLower(c);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// What "%x" reads into an int: blanks, a sign, an optional "0x", hexadecimal digits, the
// value taken modulo 2^32.
std::optional<int> ParseHex(const std::string& text) {
    std::size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, i);
    if (i + 2 < text.size() && text[i] == '0' && AsciiLower(text[i + 1]) == 'x' &&
        HexDigit(text[i + 2]) >= 0)
        i += 2;
    if (i >= text.size() || HexDigit(text[i]) < 0)
        return std::nullopt;
    std::uint32_t value = 0;
    for (; i < text.size() && HexDigit(text[i]) >= 0; ++i)
        value = value * 16u + static_cast<std::uint32_t>(HexDigit(text[i]));
    if (negative)
        value = 0u - value;
    return static_cast<int>(value);
}

// What "%lf" reads, independent of the process's locale; only finite values count.
std::optional<double> ParseFloat(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && text[i] == '+' && i + 1 < text.size() && text[i + 1] != '-')
        ++i;
    double value = 0;
    const char* begin = text.data() + i;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (end == begin || error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

TKeyValueFile::TKeyValueFile(const std::string& fileName, bool forReading)
    : mFileName(MakeAbsolute(fileName)), mForReading(forReading) {
    if (forReading) {
        std::string bytes = ReadFullPath(mFileName);
        // A save was cut short, or its text never reached the disk; a file deleted on purpose
        // stays missing.
        if (bytes.empty() && !mFileName.empty() &&
            (platform::IsRegularFile(OsPath(mFileName)) ||
             platform::IsRegularFile(OsPath(TemporaryNameOf(mFileName)))))
            bytes = ReadFullPath(mFileName + "~");
        Load(bytes);
        return;
    }
    if (mFileName.empty())
        return;
    mOut = OpenFullPath(TemporaryNameOf(mFileName), "wb");
    if (mOut)
        mBuffer.reserve(kOutputBlock);
}

TKeyValueFile TKeyValueFile::FromBytes(std::string_view bytes) {
    TKeyValueFile store;
    store.Load(bytes);
    return store;
}

TKeyValueFile::~TKeyValueFile() {
    Close();
}

void TKeyValueFile::Load(std::string_view bytes) {
    mSize = bytes.size();
    mData = std::make_unique<char[]>(mSize);
    if (mSize)
        std::memcpy(mData.get(), bytes.data(), mSize);
    mPos = 0;
    if (mSize >= 2 && mData[0] == '[' && mData[1] == ']') {
        mPos = 2;
        while (mPos < mSize && IsLineBreak(mData[mPos]))
            ++mPos;
    }
    mSectionStart = mPos;
}

bool TKeyValueFile::Failed() const {
    return mForReading ? mSize < 1 : !mOut;
}

bool TKeyValueFile::FindKey(std::string_view key, bool firstPass) {
    const std::size_t k = key.size();
    int lines = 0;
    for (;;) {
        if (mPos < mSize && mData[mPos] == '[')
            return false;
        if (mSize - mPos < k + 3)
            return false;
        if (StartsWithIgnoringAsciiCase(std::string_view(mData.get() + mPos, mSize - mPos), key)) {
            mPos += k;
            if (mData[mPos] == '=') {
                ++mPos;
                return true;
            }
        }
        if (firstPass && ++lines >= kLookAheadLines)
            return false;
        // The next line: a line break that leaves more than three bytes after it.
        std::size_t p = mPos;
        while (p + 3 < mSize && !IsLineBreak(mData[p]))
            ++p;
        if (p + 3 >= mSize)
            return false;
        while (p < mSize && IsLineBreak(mData[p]))
            ++p;
        mPos = p;
    }
}

std::string TKeyValueFile::TakeValue() {
    bool quoted = false;
    if (mPos < mSize && mData[mPos] == '"') {
        quoted = true;
        ++mPos;
    }
    std::string value;
    bool escaped = false;
    while (mPos < mSize && !IsLineBreak(mData[mPos])) {
        const char c = mData[mPos];
        // The closing quote stands right before the line break (or the end of the data).
        if (quoted && c == '"' && (mPos + 1 == mSize || IsLineBreak(mData[mPos + 1]))) {
            ++mPos;
            break;
        }
        if (c == '&' && mPos + 1 < mSize && mData[mPos + 1] == '#')
            escaped = true;
        value += c;
        ++mPos;
    }
    while (mPos < mSize && IsLineBreak(mData[mPos]))
        ++mPos;
    return escaped ? Decode(value) : value;
}

std::optional<std::string> TKeyValueFile::Lookup(std::string_view key) {
    if (!mForReading || mSize == 0)
        return std::nullopt;
    if (FindKey(key, true))
        return TakeValue();
    mPos = mSectionStart;
    if (FindKey(key, false))
        return TakeValue();
    mPos = mSectionStart;
    return std::nullopt;
}

std::string TKeyValueFile::ReadText(std::string_view key, const std::string& def) {
    std::optional<std::string> value = Lookup(key);
    return value && !value->empty() ? std::move(*value) : def;
}

int TKeyValueFile::ReadInt(std::string_view key, int def) {
    const std::optional<std::string> value = Lookup(key);
    if (!value || value->empty())
        return def;
    const std::optional<int> number =
        (*value)[0] == '#' ? ParseHex(value->substr(1)) : ParseDecimal(*value);
    return number.value_or(def);
}

double TKeyValueFile::ReadFloat(std::string_view key, double def) {
    const std::optional<std::string> value = Lookup(key);
    if (!value || value->empty())
        return def;
    return ParseFloat(*value).value_or(def);
}

void TKeyValueFile::WriteText(std::string_view key, std::string_view value) {
    if (key.empty() || !mOut || mClosed)
        return;
    mBuffer.append(key);
    mBuffer += '=';
    for (char c : value) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 1 && code <= 31) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "&#%03d;", code);
            mBuffer += escape;
        } else {
            mBuffer += c;
        }
    }
    mBuffer += "\r\n";
    if (mBuffer.size() + kOutputReserve > kOutputBlock)
        FlushBuffer();
}

void TKeyValueFile::WriteInt(std::string_view key, int value) {
    WriteText(key, std::to_string(value));
}

std::string TKeyValueFile::FormatFloat(double value) {
    char text[400];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    std::string out = error == std::errc() ? std::string(text, end) : std::string("0");
    if (out.find('.') != std::string::npos) {
        while (out.back() == '0')
            out.pop_back();
        if (out.back() == '.')
            out.pop_back();
    }
    return out;
}

void TKeyValueFile::WriteFloat(std::string_view key, double value) {
    WriteText(key, FormatFloat(value));
}

void TKeyValueFile::WritePath(std::string_view key, const std::string& fileName) {
    WriteText(key, ShortPath(fileName));
}

void TKeyValueFile::FlushBuffer() {
    if (!mBuffer.empty() &&
        std::fwrite(mBuffer.data(), 1, mBuffer.size(), mOut.get()) != mBuffer.size())
        mWriteFailed = true;
    mBuffer.clear();
}

void TKeyValueFile::FinishWriting() {
    FlushBuffer();
    const bool complete = platform::SyncAndClose(mOut.release(), mSync) && !mWriteFailed;
    const std::string target = OsPath(mFileName);
    const std::string temporary = OsPath(TemporaryNameOf(mFileName));
    const std::string backup = OsPath(mFileName + "~");
    if (!complete) {
        // The previous file and its backup stay as they are.
        platform::RemoveFile(temporary);
        return;
    }
    if (platform::IsRegularFile(target)) {
        if (!platform::RemoveFile(backup) && platform::MakeWritable(backup))
            platform::RemoveFile(backup);
        // A second name keeps the file in place until the new one replaces it; without hard
        // links the file moves, and a reader finds the backup meanwhile.
        if (!platform::LinkFile(target, backup))
            platform::RenameFile(target, backup);
    }
    // A failed rename leaves the temporary file, so that readers keep finding the backup.
    if (platform::RenameFile(temporary, target) && mSync)
        platform::SyncFolderOf(target);
    if (!platform::IsRegularFile(backup))
        CopyFullPath(mFileName, mFileName + "~");
}

void TKeyValueFile::Close() {
    if (mClosed)
        return;
    mClosed = true;
    if (!mForReading && mOut)
        FinishWriting();
    mData.reset();
    mSize = mPos = mSectionStart = 0;
    mBuffer.clear();
    mBuffer.shrink_to_fit();
}

} // namespace quelmo
