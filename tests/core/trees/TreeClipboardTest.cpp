#include <gtest/gtest.h>

#include "TreeCommandsFixture.h"
#include "trees/TreeClipboard.h"
#include "trees/TreeError.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {
namespace {

using testing::build;
using testing::item;
using testing::names;
using testing::outline;
using testing::select;

bool marked(const TreeNode* node) { return node->hasFlag(NodeFlag::CutOrCopyMark); }

// DayGoalTree: A[A1[A11] A2] B C, with a note on A1.
class TreeClipboardTest : public ::testing::Test {
protected:
    TreeClipboardTest() {
        build(day, "A[A1[A11] A2] B C");
        item(day, "A1")->record<GoalRecord>().note = "note of A1";
    }

    testing::FakeClipboard system;
    TreeClipboard clipboard{system};
    ItemTree day{TreeId::DayGoalTree};
    ItemTree week{TreeId::WeekGoalTree};
};

TEST_F(TreeClipboardTest, CutAndPasteOntoOwnDescendantSkipsThatItem) {
    select(day, {"A", "C"});
    ASSERT_TRUE(clipboard.cutSelected(day));
    EXPECT_EQ(outline(day), "A[A1[A11] A2] B C");  // nothing moves before the paste
    EXPECT_TRUE(marked(item(day, "A")));
    EXPECT_EQ(day.pendingClipboard(), PendingClipboard::Cut);

    day.setFocused(item(day, "A11"));
    const auto pasted = clipboard.paste(day);
    EXPECT_EQ(names(pasted.items), std::vector<std::string>{"C"});
    EXPECT_EQ(outline(day), "A[A1[A11[C]] A2] B");
    EXPECT_FALSE(marked(item(day, "A")));
    EXPECT_EQ(day.pendingClipboard(), PendingClipboard::None);

    // The cut has ended: a second paste finds nothing to move.
    EXPECT_TRUE(clipboard.paste(day).items.empty());
    EXPECT_EQ(outline(day), "A[A1[A11[C]] A2] B");
}

TEST_F(TreeClipboardTest, CutAndPasteElsewhereMovesSubtreesWithRecords) {
    TreeNode* a1 = item(day, "A1");
    select(day, {"A1", "A11"});
    clipboard.cutSelected(day);
    day.setFocused(nullptr);  // no focused item: the items go to the top level
    clipboard.paste(day);
    EXPECT_EQ(outline(day), "A[A2] B C A1[A11]");
    EXPECT_EQ(item(day, "A1"), a1);
    EXPECT_EQ(a1->record<GoalRecord>().note, "note of A1");
}

TEST_F(TreeClipboardTest, CopiesAreNewItemsAndCanBePastedAgain) {
    select(day, {"A1"});
    clipboard.copySelected(day);
    day.setFocused(item(day, "B"));
    clipboard.paste(day);
    clipboard.paste(day);
    EXPECT_EQ(outline(day), "A[A1[A11] A2] B[A1[A11] A1[A11]] C");

    TreeNode* copy = item(day, "B")->firstChild();
    EXPECT_NE(copy, item(day, "A1"));
    EXPECT_EQ(copy->record<GoalRecord>(), item(day, "A1")->record<GoalRecord>());
    EXPECT_TRUE(marked(item(day, "A1")));
    EXPECT_FALSE(marked(copy));
    EXPECT_EQ(day.pendingClipboard(), PendingClipboard::Copy);
}

TEST_F(TreeClipboardTest, PasteTakesTheCopiedItemsAsTheyAreAtPasteTime) {
    select(day, {"A1", "B"});
    clipboard.copySelected(day);
    item(day, "A1")->record<GoalRecord>().note = "changed after the copy";
    day.appendChild(item(day, "A1"))->record<GoalRecord>().text = "A12";
    day.deleteNode(item(day, "B"));
    day.setFocused(item(day, "C"));
    const auto pasted = clipboard.paste(day);
    EXPECT_EQ(outline(day), "A[A1[A11 A12] A2] C[A1[A11 A12]]");
    EXPECT_EQ(names(pasted.items), std::vector<std::string>{"A1"});
    EXPECT_EQ(pasted.items[0]->record<GoalRecord>().note, "changed after the copy");

    day.deleteNode(item(day, "A"));
    EXPECT_TRUE(clipboard.paste(day).items.empty());
}

TEST_F(TreeClipboardTest, CutInOneGoalTreeAndPasteInAnother) {
    build(week, "W");
    item(day, "A")->setFlag(NodeFlag::Expanded, true);
    select(day, {"A1", "C"});
    clipboard.cutSelected(day);
    week.setFocused(item(week, "W"));
    const auto pasted = clipboard.paste(week);

    EXPECT_EQ(outline(day), "A[A2] B");
    EXPECT_EQ(outline(week), "W[A1[A11] C]");
    EXPECT_EQ(pasted.movedFrom, &day);
    EXPECT_EQ(item(week, "A1")->record<GoalRecord>().note, "note of A1");
    EXPECT_EQ(day.pendingClipboard(), PendingClipboard::None);
    EXPECT_TRUE(clipboard.paste(day).items.empty());
}

TEST_F(TreeClipboardTest, ItemsOfAnotherFamilyOrOfUnknownOriginAreRefused) {
    ItemTree links(TreeId::LinksTree);
    build(links, "L");
    for (const bool cut : {false, true}) {
        select(day, {"B"});
        cut ? clipboard.cutSelected(day) : clipboard.copySelected(day);
        EXPECT_TRUE(clipboard.paste(links).items.empty());
        EXPECT_EQ(outline(links), "L");
        EXPECT_EQ(outline(day), "A[A1[A11] A2] B C");
    }

    // Node chunks that no tree offered in this run: their record layout is unknown.
    system.setTreeData(TreeStreamWriter().writeNodes(week, std::vector<TreeNode*>{week.appendChild()}));
    EXPECT_TRUE(clipboard.paste(day).items.empty());
    EXPECT_EQ(outline(day), "A[A1[A11] A2] B C");

    system.setText("plain text");
    try {
        clipboard.paste(day);
        ADD_FAILURE() << "pasting without tree items must fail";
    } catch (const TreeError& error) {
        EXPECT_EQ(error.code(), 2007);
        EXPECT_STREQ(error.what(), "Clipboard operation failed.");
    }
}

TEST_F(TreeClipboardTest, ANewOfferEndsThePendingCutOfAnotherTree) {
    build(week, "W");
    select(day, {"A"});
    clipboard.cutSelected(day);
    select(week, {"W"});
    clipboard.copySelected(week);
    EXPECT_FALSE(marked(item(day, "A")));
    EXPECT_EQ(day.pendingClipboard(), PendingClipboard::None);

    day.setFocused(item(day, "B"));
    clipboard.paste(day);
    EXPECT_EQ(outline(day), "A[A1[A11] A2] B[W] C");
    EXPECT_EQ(outline(week), "W");
}

TEST_F(TreeClipboardTest, DisabledItemsAreNeitherMarkedNorCarried) {
    select(day, {"A2", "B"});
    item(day, "A2")->setFlag(NodeFlag::Disabled, true);
    EXPECT_FALSE(clipboard.copySelected(week));  // nothing selected there
    clipboard.copySelected(day);
    EXPECT_FALSE(marked(item(day, "A2")));
    EXPECT_TRUE(marked(item(day, "B")));
    day.setFocused(item(day, "C"));
    clipboard.paste(day);
    EXPECT_EQ(outline(day), "A[A1[A11] A2] B C[B]");
}

}  // namespace
}  // namespace torvalet
