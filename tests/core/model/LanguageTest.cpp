#include <gtest/gtest.h>

#include "model/Language.h"

namespace torvalet {
namespace {

TEST(Language, RussianAndMacedonianTakeTheRussianMessages) {
    const struct {
        int index;
        bool russianMessages;
    } cases[] = {{0, false}, {1, true}, {2, true}, {3, false}, {-1, false}, {4, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(Language(c.index).takesRussianMessages(), c.russianMessages) << c.index;
        EXPECT_EQ(Language(c.index).index(), c.index) << "an index out of range is kept as read";
    }
    EXPECT_EQ(Language(), Language::english);
    EXPECT_EQ(Language::macedonian, Language(2));
}

}  // namespace
}  // namespace torvalet
