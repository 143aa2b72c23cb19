// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The internet layer's rules for header lines and redirects, apart from the library that
// carries them, so that a stand-in for the layer keeps the same rules.

#include <optional>
#include <string>
#include <vector>

namespace quelmo::platform {

// ASCII letters in lower case.
std::string Lower(std::string text);
// Puts each CR LF (or LF) separated line with a colon into `lines`; `replace` drops earlier
// lines of the same name first.
void PutLines(std::vector<std::string>& lines, const std::string& text, bool replace);
// The value of the first line named `name` (in any case), without the white space around it.
std::optional<std::string> FindHeader(const std::vector<std::string>& lines,
                                      const std::string& name);
// Whether an answer with `status` is a redirect to follow as the `followed`+1st: at most 20, and
// a streamed body is gone once sent, so only a redirect that drops it (not 307, 308) can be.
bool FollowsRedirect(int status, int followed, bool bodyStreamed);

} // namespace quelmo::platform
