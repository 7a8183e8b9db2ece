#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "base/HandOff.h"

namespace torvalet {
namespace {

// Every item made arrives once and in order, in batches and a last part batch, and the maker's
// failure reaches the taker after the items made before it.
TEST(HandOff, ItemsArriveInOrderAndThenTheFailure) {
    for (const bool fails : {false, true}) {
        HandOff<std::string> handOff;
        std::thread maker([&] {
            for (int i = 0; i < 1000; ++i) handOff.put(std::to_string(i));
            handOff.finish(fails ? std::make_exception_ptr(std::runtime_error("cut short")) : nullptr);
        });
        std::vector<std::string> taken;
        for (std::vector<std::string> batch; handOff.take(batch);)
            taken.insert(taken.end(), batch.begin(), batch.end());
        maker.join();
        ASSERT_EQ(taken.size(), 1000u);
        for (int i = 0; i < 1000; ++i) ASSERT_EQ(taken[static_cast<std::size_t>(i)], std::to_string(i));
        EXPECT_EQ(handOff.failure() != nullptr, fails);
    }
}

// A taker that gives up tells the maker, which then stops making (or this test would not end).
TEST(HandOff, AStoppedTakerStopsTheMaker) {
    HandOff<int> handOff;
    std::thread maker([&] {
        for (int made = 0; handOff.put(made);) ++made;
        handOff.finish();
    });
    std::vector<int> batch;
    ASSERT_TRUE(handOff.take(batch));
    EXPECT_EQ(batch.front(), 0);
    handOff.stop();
    maker.join();
    EXPECT_FALSE(handOff.put(1));
}

}  // namespace
}  // namespace torvalet
