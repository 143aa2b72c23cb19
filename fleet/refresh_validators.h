#pragma once
// The validators of the last mirrored answer of a URL configuration, kept beside the mirror
// "LocalCopy.db" in "LocalCopy.etag", so that a check can ask the server whether anything
// changed.

#include <string>
#include <vector>

namespace quelmo {

struct RefreshValidators {
    std::string etag;         // as the server sent it, quotes included
    std::string lastModified; // the HTTP date text, as sent
    std::string digest;       // of the body they came with
};

// The digest that ties validators to a mirrored body.
std::string BodyDigest(const std::string& body);

// Empty validators when none are kept, or when the mirror has been replaced since (by a load
// at start-up or after a resume): asking with them could keep a copy they do not describe.
RefreshValidators ReadValidators();
void WriteValidators(const RefreshValidators& validators);

// The request's conditional header lines.
std::vector<std::string> ConditionalHeaders(const RefreshValidators& validators);

// The value of a header in an answer's raw header block, without surrounding blanks; empty
// when it is missing.
std::string HeaderValue(const std::string& rawHeaders, const std::string& name);

} // namespace quelmo
