#include <gtest/gtest.h>

#include <cstring>
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

}  // namespace
}  // namespace torvalet
