#pragma once

#include <cstddef>

namespace torvalet {

// Blocks for the many small objects of a loaded profile (tree nodes, record texts), carved from
// large chunks in steps of 8 bytes, without malloc's per-block header and rounding. The caller
// gives the size back when it frees a block. A freed block is kept for the next one of its size
// class (by the thread that freed it); the chunks themselves live as long as the process. Large
// blocks come from the global operator new. In an AddressSanitizer build the pool stays on and
// marks what no caller holds, so that the sanitizer sees a use after free or an overflow of a
// pooled block as it would of one of malloc's.
void* allocateSmallBlock(std::size_t size);
void freeSmallBlock(void* block, std::size_t size) noexcept;

}  // namespace torvalet
