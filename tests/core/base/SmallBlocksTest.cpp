#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "base/SmallBlocks.h"

namespace torvalet {
namespace {

struct Held {
    char* block;
    std::size_t size;
};

// Blocks of every size class and beyond, live at once, never overlap; freed ones come back for
// new blocks of their class, still apart from the live ones.
TEST(SmallBlocks, LiveBlocksKeepTheirBytesWhileOthersComeAndGo) {
    std::vector<Held> held;
    for (std::size_t size : {1u, 7u, 8u, 9u, 15u, 16u, 17u, 100u, 511u, 512u, 513u, 4000u, 70000u}) {
        for (int copy = 0; copy < 3; ++copy) {
            auto* block = static_cast<char*>(allocateSmallBlock(size));
            std::memset(block, static_cast<int>(held.size()), size);
            held.push_back({block, size});
        }
    }
    for (std::size_t i = 0; i < held.size(); i += 2) freeSmallBlock(held[i].block, held[i].size);
    for (std::size_t i = 0; i < held.size(); i += 2) {
        held[i].block = static_cast<char*>(allocateSmallBlock(held[i].size));
        std::memset(held[i].block, static_cast<int>(i), held[i].size);
    }
    for (std::size_t i = 0; i < held.size(); ++i) {
        for (std::size_t at = 0; at < held[i].size; ++at)
            ASSERT_EQ(held[i].block[at], static_cast<char>(i)) << "block " << i << " byte " << at;
    }
    for (const Held& h : held) freeSmallBlock(h.block, h.size);
    freeSmallBlock(nullptr, 8);
}

// Two threads each take enough blocks to fill several full-size chunks, each thread from chunks
// of its own: every block keeps what its thread wrote.
TEST(SmallBlocks, ThreadsFillingManyChunksKeepTheirBlocksApart) {
    constexpr std::size_t kSize = 200, kCount = 40000;
    const auto fill = [](char mark, bool& intact) {
        std::vector<char*> blocks;
        for (std::size_t i = 0; i < kCount; ++i) {
            blocks.push_back(static_cast<char*>(allocateSmallBlock(kSize)));
            std::memset(blocks.back(), mark + static_cast<char>(i % 7), kSize);
        }
        intact = true;
        for (std::size_t i = 0; i < kCount; ++i) {
            intact = intact && blocks[i][0] == mark + static_cast<char>(i % 7) &&
                     blocks[i][kSize - 1] == mark + static_cast<char>(i % 7);
            freeSmallBlock(blocks[i], kSize);
        }
    };
    bool firstIntact = false, secondIntact = false;
    std::thread other(fill, 'a', std::ref(secondIntact));
    fill('A', firstIntact);
    other.join();
    EXPECT_TRUE(firstIntact);
    EXPECT_TRUE(secondIntact);
}

#if defined(__SANITIZE_ADDRESS__)
// The pool is on in the AddressSanitizer build, and what its callers do not hold is poisoned:
// each fault below, which the pool itself would let pass, ends the process with a report.
TEST(SmallBlocksDeathTest, AddressSanitizerReportsFaultsInPooledBlocks) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Fault {
        const char* what;
        void (*commit)();
    };
    static const Fault faults[] = {
        {"a write to a freed block",
         [] {
             auto* block = static_cast<volatile char*>(allocateSmallBlock(24));
             freeSmallBlock(const_cast<char*>(block), 24);
             block[0] = 1;
         }},
        {"a read of the last byte of a freed block",
         [] {
             auto* block = static_cast<volatile char*>(allocateSmallBlock(40));
             freeSmallBlock(const_cast<char*>(block), 40);
             (void)block[39];
         }},
        {"a write just past a block, toward its neighbour",
         [] {
             auto* block = static_cast<volatile char*>(allocateSmallBlock(24));
             allocateSmallBlock(24);
             block[24] = 1;
         }},
        {"a write past the size asked for, inside its size class",
         [] {
             auto* block = static_cast<volatile char*>(allocateSmallBlock(13));
             block[13] = 1;
         }},
        {"a block freed twice",
         [] {
             void* block = allocateSmallBlock(64);
             freeSmallBlock(block, 64);
             freeSmallBlock(block, 64);
         }},
    };
    for (const Fault& fault : faults) EXPECT_DEATH(fault.commit(), "use-after-poison") << fault.what;
}
#endif

}  // namespace
}  // namespace torvalet
