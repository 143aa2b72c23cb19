#include "power/stuff.h"

#include <cstdlib>

namespace quelmo {

namespace {
// Only the first five characters take part in the scramble.
constexpr char kScrambleKey[] = "Rm7#pQz!w4Lx9@tVb2&kYe";
} // namespace

std::string ScramblePassword(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        int c = static_cast<signed char>(text[i]);
        int d = static_cast<signed char>(kScrambleKey[i % 5]);
        int e = 0;
        for (std::size_t pass = 0; pass <= i; ++pass) {
            e = std::abs(c * (c + 1) - d * d) % 26;
            d = std::abs((2 * c + 1) * d) % 255;
            c = e;
        }
        result.push_back(static_cast<char>('A' + e));
    }
    return result;
}

} // namespace quelmo
