#include "platform/gzip/compressed_file.h"

#include <zlib.h>

namespace quelmo::platform {

std::optional<std::string> ReadMaybeCompressed(const std::string& path) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    gzbuffer(file, 128 * 1024);
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        const int read = gzread(file, buffer, sizeof buffer);
        if (read < 0) {
            gzclose(file);
            return std::nullopt;
        }
        if (read == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(read));
    }
    // A truncated compressed file reads to its end without an error from gzread; gzclose
    // reports it.
    if (gzclose(file) != Z_OK)
        return std::nullopt;
    return bytes;
}

} // namespace quelmo::platform
