#pragma once

#include <cstddef>

namespace torvalet {

// Blocks for the many small objects of a loaded profile (tree nodes, record texts), carved from
// large chunks in steps of 8 bytes, without malloc's per-block header and rounding. The caller
// gives the size back when it frees a block. A freed block is kept for the next one of its size
// class (by the thread that freed it); the chunks themselves live as long as the process. When a
// thread's chunks have grown to their full size, the pages of its next chunk are made on a helper
// thread while it fills the current one. Large
// blocks, and every block in a sanitizer build (so that it still sees each one), come from the
// global operator new.
void* allocateSmallBlock(std::size_t size);
void freeSmallBlock(void* block, std::size_t size) noexcept;

}  // namespace torvalet
