#include <gtest/gtest.h>

#include "trees/FormList.h"

namespace torvalet {
namespace {

TEST(FormList, ChoiceFollowsTheEntryChosenOrTheTextTyped) {
    FormList list({"None", "Group", "Daily/Weekly"});
    const struct {
        const char* typed;
        int index;
    } typedCases[] = {{"Group", 1}, {"group", 1}, {"daily/weekly", 2}, {"Grou", -1}, {"Weekly", -1}, {"", -1}};
    for (const auto& c : typedCases) {
        list.setText(c.typed);
        EXPECT_EQ(list.itemIndex(), c.index) << c.typed;
        EXPECT_EQ(list.text(), c.typed);
    }

    list.setItemIndex(2);
    EXPECT_EQ(list.text(), "Daily/Weekly");
    for (const int outside : {3, -1, 99}) {
        list.setItemIndex(outside);
        EXPECT_EQ(list.itemIndex(), -1) << outside;
        EXPECT_EQ(list.text(), "") << outside;
    }

    list.setItemIndex(1);
    list.setItems({"?", "?", "?", "?"});
    EXPECT_EQ(list.itemIndex(), -1);
    list.setItemIndex(3);
    EXPECT_EQ(list.itemIndex(), 3);
}

}  // namespace
}  // namespace torvalet
