// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hints to the kernel about how a block of memory will be used.

#include <cstddef>

namespace quelmo::platform {

// The block is large and filled at once: back it with huge pages where the kernel can, so that
// filling it does not cost a page fault every 4 KB. Only a hint; nothing happens on failure.
void AdviseLargePages(void* data, std::size_t size);

} // namespace quelmo::platform
