#include <gtest/gtest.h>

#include <utility>

#include "trees/RecordText.h"

namespace torvalet {
namespace {

TEST(RecordText, HoldsTextsOfEveryLengthThroughCopiesMovesAndAssignments) {
    for (const std::string& text : {std::string(), std::string("a"), std::string(14, 'x'), std::string(15, 'y'),
                                    std::string("зеро\0байт", 17), std::string(1000, 'z')}) {
        RecordText held(text);
        EXPECT_EQ(held.view(), text);
        EXPECT_EQ(held.size(), text.size());
        EXPECT_EQ(held.c_str()[text.size()], '\0');

        RecordText copy = held;
        RecordText moved = std::move(held);
        EXPECT_EQ(copy, text);
        EXPECT_EQ(moved, text);
        EXPECT_TRUE(held.empty());  // NOLINT: a moved-from text is empty

        const std::size_t from = text.empty() ? 0 : 1;
        copy = copy.view().substr(from);  // assigning a part of itself
        EXPECT_EQ(copy.str(), text.substr(from));
        moved = copy;
        moved += "!";
        EXPECT_EQ(moved, copy + "!");
        moved = RecordText();
        EXPECT_EQ(moved, "");
    }
}

}  // namespace
}  // namespace torvalet
