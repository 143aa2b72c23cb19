// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the resolver tests: a name server that takes long to fail one host name.
// Every other name goes to the real resolver.
#include <dlfcn.h>
#include <netdb.h>
#include <unistd.h>

#include <cstring>

namespace {
constexpr const char* kSlowHost = "slow-name.quelmo.test";
constexpr unsigned kSlowSeconds = 6;
using Resolve = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
} // namespace

extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints,
                           addrinfo** result) {
    if (node && std::strcmp(node, kSlowHost) == 0) {
        sleep(kSlowSeconds);
        return EAI_NONAME;
    }
    const auto next = reinterpret_cast<Resolve>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return next ? next(node, service, hints, result) : EAI_FAIL;
}
