#pragma once
// The identity a PC reports under and spreads its checks by.

#include <cstdint>
#include <optional>
#include <string>

namespace quelmo {

// Exactly eight hexadecimal digits, in either letter case; nullopt otherwise.
std::optional<std::uint32_t> ParseDeviceId(const std::string& text);

// QUELMO_DEVICE_ID when it holds a valid id (so that tests can run several PCs on one
// machine), else the serial number of the root file system's volume.
std::uint32_t DeviceId();

} // namespace quelmo
