#pragma once
// Many simulated PCs checking one URL with conditional GETs over libcurl's multi interface,
// in one thread: for measuring what a fleet's checks cost the server.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace quelmo::platform {

struct SwarmPc {
    std::string etag, lastModified;         // validators of the last 200
    int bodies = 0;                         // 200 answers received
    int notModified = 0;                    // 304 answers received
    int failures = 0;                       // anything else
    std::size_t bytesUp = 0, bytesDown = 0; // request and answer bytes, headers included
};

class ConditionalGetSwarm {
public:
    // At most `connections` transfers at once; the others wait in line. `authorityFile`: the
    // certificate authority trusted for an https URL (empty: the system's).
    ConditionalGetSwarm(std::string url, std::size_t pcs, long connections,
                        std::string authorityFile = {});
    ~ConditionalGetSwarm();
    ConditionalGetSwarm(const ConditionalGetSwarm&) = delete;
    ConditionalGetSwarm& operator=(const ConditionalGetSwarm&) = delete;

    // Queues a check by `pc` with its validators.
    void Ask(std::size_t pc);
    // Moves the transfers on for up to `milliseconds`; the checks that ended meanwhile.
    std::vector<std::size_t> Run(int milliseconds);
    std::size_t Pending() const;
    const SwarmPc& Pc(std::size_t pc) const { return mPcs[pc]; }

    struct Transfer; // one check on its way

private:
    std::string mUrl, mAuthorityFile;
    std::vector<SwarmPc> mPcs;
    void* mMulti;
    std::vector<std::unique_ptr<Transfer>> mTransfers;
};

} // namespace quelmo::platform
