#include "fleet/device_id.h"

#include "config/paths.h"

#include <cstdlib>

namespace quelmo {

std::optional<std::uint32_t> ParseDeviceId(const std::string& text) {
    if (text.size() != 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::uint32_t DeviceId() {
    if (const char* text = std::getenv("QUELMO_DEVICE_ID"))
        if (const std::optional<std::uint32_t> id = ParseDeviceId(text))
            return *id;
    return VolumeSerial("/");
}

} // namespace quelmo
