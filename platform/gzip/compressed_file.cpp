#include "platform/gzip/compressed_file.h"

#include <zlib.h>

#include <memory>

namespace quelmo::platform {

bool ReadMaybeCompressed(const std::string& path,
                         const std::function<void(std::string_view piece)>& piece) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file)
        return false;
    constexpr unsigned kPiece = 256 * 1024;
    gzbuffer(file, kPiece);
    const auto buffer = std::make_unique<char[]>(kPiece);
    for (;;) {
        const int read = gzread(file, buffer.get(), kPiece);
        if (read < 0) {
            gzclose(file);
            return false;
        }
        if (read == 0)
            break;
        piece(std::string_view(buffer.get(), static_cast<std::size_t>(read)));
    }
    // A truncated compressed file reads to its end without an error from gzread; gzclose
    // reports it.
    return gzclose(file) == Z_OK;
}

} // namespace quelmo::platform
