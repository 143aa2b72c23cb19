// Reading a store from arbitrary bytes: no crash, no read beyond the data (the store keeps
// exactly the bytes it was given, so AddressSanitizer sees any overrun).
#include "config/key_value_file.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

const std::array<std::string_view, 20> kKeys = {
    "DbFile", "WhUsed", "WhSaved", "OnPower",     "OffPower",  "SbyPower", "Password",
    "Mon",    "Tue",    "Sun",     "DelayAction", "OffAction", "",         "a",
    "[",      "=",      "\"",      "&#",          "k0",        "\r\n"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    quelmo::TKeyValueFile store = quelmo::TKeyValueFile::FromBytes(bytes);
    // Keys taken from the input too, so that found keys are common.
    std::string own(bytes.substr(0, std::min<std::size_t>(size, 6)));
    for (int round = 0; round < 2; ++round) {
        for (std::string_view key : kKeys) {
            const std::string text = store.ReadText(key, "\x01");
            if (text.empty())
                std::abort(); // a found value is never empty: empty ones give the default
            store.ReadInt(key, 0);
            store.ReadFloat(key, 0.0);
        }
        store.ReadText(own, "");
        store.ReadInt(own, 0);
    }
    return 0;
}
