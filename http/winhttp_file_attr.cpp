// SPDX-License-Identifier: GPL-3.0-or-later
// The attribute sets of downloaded files on a file system that knows only permissions.
#include "http/winhttp_utils.h"
#include "platform/file_attributes.h"
#include "platform/fs_files.h"

#include <array>
#include <optional>

namespace quelmo {

namespace {

// The attribute values the sets stand for; the extended attribute keeps their sum.
struct AttributeRow {
    TWinHTTPFileAttribute member;
    unsigned value;
};
constexpr std::array<AttributeRow, 6> kAttributes{{
    {atrArchive, 0x20},
    {atrHidden, 0x2},
    {atrReadOnly, 0x1},
    {atrSystem, 0x4},
    {atrTemporary, 0x100},
    {atrOffline, 0x1000},
}};

constexpr const char* kAttributeName = "quelmo.attributes";

std::string ToText(const TWinHTTPFileAttributes& attributes) {
    unsigned sum = 0;
    for (const AttributeRow& row : kAttributes)
        if (attributes.count(row.member))
            sum |= row.value;
    return std::to_string(sum);
}

std::optional<unsigned> FromText(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return static_cast<unsigned>(std::stoul(text));
}

} // namespace

bool SetFileAttr(const std::string& fileName, const TWinHTTPFileAttributes& attributes) {
    const std::optional<bool> readOnly = platform::LacksWritePermission(fileName);
    if (!readOnly)
        return false;
    // Without write permission only a privileged process may change the extended attribute.
    if (*readOnly)
        platform::MakeWritable(fileName);
    const platform::XattrResult stored =
        platform::WriteUserAttribute(fileName, kAttributeName, ToText(attributes));
    bool ok = stored == platform::XattrResult::Ok;
    if (stored == platform::XattrResult::Unsupported) {
        TWinHTTPFileAttributes others = attributes;
        others.erase(atrReadOnly);
        ok = others.empty(); // nothing but read-only was asked for
    }
    const bool wantReadOnly = attributes.count(atrReadOnly) > 0;
    if (wantReadOnly)
        ok = platform::RemoveWritePermission(fileName) && ok;
    else if (*readOnly)
        ok = platform::MakeWritable(fileName) && ok;
    return ok;
}

bool GetFileAttr(const std::string& fileName, TWinHTTPFileAttributes& attributes) {
    attributes.clear();
    const std::optional<bool> readOnly = platform::LacksWritePermission(fileName);
    if (!readOnly)
        return false;
    std::string text;
    if (platform::ReadUserAttribute(fileName, kAttributeName, text) == platform::XattrResult::Ok) {
        if (const std::optional<unsigned> sum = FromText(text))
            for (const AttributeRow& row : kAttributes)
                if (*sum & row.value)
                    attributes.insert(row.member);
    }
    // The permissions have the last word: they may have been changed since.
    attributes.erase(atrReadOnly);
    if (*readOnly)
        attributes.insert(atrReadOnly);
    return true;
}

} // namespace quelmo
