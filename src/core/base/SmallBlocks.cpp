#include "base/SmallBlocks.h"

#include <sanitizer/asan_interface.h>
#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>
#include <string_view>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TORVALET_CHECKED_BLOCKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TORVALET_CHECKED_BLOCKS 1
#endif
#endif

namespace torvalet {

namespace {

constexpr std::size_t kStep = 8;
constexpr std::size_t kLargest = 512;
// Chunks grow from the first size to the largest by doubling: a small profile takes little
// memory, and a large one is served by few requests. The largest is the size of a huge page.
constexpr std::size_t kFirstChunk = 64 * 1024;
constexpr std::size_t kLargestChunk = 2 * 1024 * 1024;
constexpr std::size_t kPage = 4096;
// In an AddressSanitizer build the bytes that no caller holds are poisoned: the chunks as they are
// taken, a block as it is freed, and a guard of at least this much after each block, so that a
// use after free, or a write past a block into its neighbour, is reported as in a block of malloc.
#ifdef TORVALET_CHECKED_BLOCKS
constexpr std::size_t kGuard = 8;
#else
constexpr std::size_t kGuard = 0;
#endif

struct FreeBlock {
    FreeBlock* next;
};

// The parts of the pool that TORVALET_SMALL_BLOCKS switches off, to measure what each buys (see
// bench/compare-small-blocks.sh): a list of no-pool (every block from operator new),
// no-huge-pages and no-populate (pages made by faults as blocks are written). Read once, before
// the first block.
struct Parts {
    bool pool = true, hugePages = true, populate = true;
};

const Parts& parts() {
    static const Parts read = [] {
        Parts on;
        const char* text = std::getenv("TORVALET_SMALL_BLOCKS");
        const std::string_view off = text ? text : "";
        on.pool = off.find("no-pool") == off.npos;
        on.hugePages = off.find("no-huge-pages") == off.npos;
        on.populate = off.find("no-populate") == off.npos;
        return on;
    }();
    return read;
}

// Every chunk stays listed here, so that leak checkers see the blocks as reachable.
std::vector<void*>& chunks() {
    static auto* all = new std::vector<void*>();
    return *all;
}

// Makes the pages of a new chunk. A chunk of the largest size, aligned to it, asks to be one huge
// page, which spares a virtual machine a fault for each of its 512 small pages (a start on the
// large profile took 40 % longer without). The pages are made in one request, which buys nothing
// next to a huge page; where the system gives none, it costs less than a fault on each page as
// the blocks are first written (that start then took 30 % longer without it). Where the system
// can do neither, the faults make the pages all the same.
void makePages(char* begin, char* end) {
#ifdef MADV_HUGEPAGE
    if (parts().hugePages && end - begin == static_cast<std::ptrdiff_t>(kLargestChunk))
        ::madvise(begin, kLargestChunk, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
    if (!parts().populate) return;
    const auto first = (reinterpret_cast<std::uintptr_t>(begin) + kPage - 1) & ~(kPage - 1);
    const auto last = reinterpret_cast<std::uintptr_t>(end) & ~(kPage - 1);
    if (first < last) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
    (void)begin;
    (void)end;
#endif
}

class Pool {
public:
    void* allocate(std::size_t size) {
        const std::size_t index = (size + kStep - 1) / kStep;
        if (FreeBlock* block = free_[index]) {
            ASAN_UNPOISON_MEMORY_REGION(block, sizeof(FreeBlock));
            free_[index] = block->next;
            ASAN_POISON_MEMORY_REGION(block, sizeof(FreeBlock));
            return block;
        }
        const std::size_t rounded = index * kStep;
        if (static_cast<std::size_t>(end_ - next_) < rounded) newChunk();
        void* block = next_;
        next_ += rounded;
        return block;
    }

    void release(void* block, std::size_t size) noexcept {
        const std::size_t index = (size + kStep - 1) / kStep;
        ASAN_UNPOISON_MEMORY_REGION(block, sizeof(FreeBlock));
        auto* freed = static_cast<FreeBlock*>(block);
        freed->next = free_[index];
        free_[index] = freed;
        ASAN_POISON_MEMORY_REGION(block, index * kStep);
    }

private:
    // The rest of the current chunk is dropped: less than the largest block.
    void newChunk() {
        const std::size_t size = chunkSize_;
        next_ = takeChunk(size);
        end_ = next_ + size;
        makePages(next_, end_);
        chunkSize_ = std::min(size * 2, kLargestChunk);
    }

    static char* takeChunk(std::size_t size) {
        auto* chunk = static_cast<char*>(size == kLargestChunk ? ::operator new(size, std::align_val_t(kLargestChunk))
                                                               : ::operator new(size));
        ASAN_POISON_MEMORY_REGION(chunk, size);
        static std::mutex guard;
        const std::lock_guard lock(guard);
        chunks().push_back(chunk);
        return chunk;
    }

    std::array<FreeBlock*, kLargest / kStep + 1> free_{};
    char* next_ = nullptr;
    char* end_ = nullptr;
    std::size_t chunkSize_ = kFirstChunk;
};

thread_local Pool pool;

bool pooled(std::size_t size) { return size > 0 && size + kGuard <= kLargest && parts().pool; }

// What a block of the size takes from the pool, its guard included.
std::size_t taken(std::size_t size) { return std::max(size + kGuard, sizeof(FreeBlock)); }

}  // namespace

void* allocateSmallBlock(std::size_t size) {
    if (!pooled(size)) return ::operator new(size);
    void* block = pool.allocate(taken(size));
    ASAN_UNPOISON_MEMORY_REGION(block, size);
    return block;
}

void freeSmallBlock(void* block, std::size_t size) noexcept {
    if (!block) return;
    if (pooled(size)) {
#ifdef TORVALET_CHECKED_BLOCKS
        (void)*static_cast<volatile char*>(block);  // a block freed twice is reported here
#endif
        pool.release(block, taken(size));
    } else {
        ::operator delete(block);
    }
}

}  // namespace torvalet
