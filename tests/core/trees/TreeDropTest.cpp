#include <gtest/gtest.h>

#include "TreeCommandsFixture.h"
#include "trees/TreeDrop.h"
#include "trees/TreeError.h"

namespace torvalet {
namespace {

using testing::build;
using testing::item;
using testing::outline;
using testing::select;

using TreeDropTest = testing::TreeCommandsFixture;

TEST_F(TreeDropTest, PositionAndKeysDecideWhereAndHow) {
    const struct {
        DropPosition position;
        KeyModifiers keys;
        std::initializer_list<std::string_view> selected;
        const char* expected;
    } cases[] = {
        {DropPosition::Above, {}, {"B"}, "A[B A1 A2] C"},
        {DropPosition::On, {}, {"B"}, "A[A1[B] A2] C"},
        {DropPosition::Below, {}, {"B"}, "A[A1 B A2] C"},
        {DropPosition::Nowhere, {}, {"B"}, "A[A1 A2] B C"},
        {DropPosition::Below, {.alt = true}, {"B"}, "A[A1 B A2] C"},                // link: a move
        {DropPosition::Below, {.ctrl = true, .alt = true}, {"B"}, "A[A1 B A2] C"},  // link
        {DropPosition::Below, {.shift = true, .ctrl = true}, {"B"}, "A[A1 B A2] C"},
        {DropPosition::Below, {.ctrl = true}, {"B"}, "A[B A1 A2] B C"},  // a copy goes above
        {DropPosition::On, {.ctrl = true}, {"B", "C"}, "A[B C A1 A2] B C"},
        {DropPosition::Below, {}, {"B", "C"}, "A[A1 C B A2]"},  // each just after the same item
        {DropPosition::Above, {}, {"B", "C"}, "A[B C A1 A2]"},
    };
    for (const auto& row : cases) {
        ItemTree& goals = tree(TreeId::DayGoalTree);
        build(goals, "A[A1 A2] B C");
        select(goals, row.selected);
        observer.changedTrees.clear();
        commands.treeDragDrop(goals, item(goals, "A1"), &goals, row.position, row.keys);
        EXPECT_EQ(outline(goals), row.expected) << static_cast<int>(row.position);
        EXPECT_EQ(observer.changedTrees.size(), row.position == DropPosition::Nowhere ? 0u : 1u);
    }
}

TEST_F(TreeDropTest, BetweenGoalTreesItemsAreCopiedOrMovedWithTheirRecords) {
    ItemTree& day = tree(TreeId::DayGoalTree);
    ItemTree& week = tree(TreeId::WeekGoalTree);
    build(day, "A[A1] B");
    build(week, "W");
    item(day, "A1")->record<GoalRecord>().state = 4;
    select(day, {"A"});

    commands.treeDragDrop(week, item(week, "W"), &day, DropPosition::On, {});  // from another tree: a copy
    EXPECT_EQ(outline(day), "A[A1] B");
    EXPECT_EQ(outline(week), "A[A1] W");

    commands.treeDragDrop(week, item(week, "W"), &day, DropPosition::On, {.shift = true});
    EXPECT_EQ(outline(day), "B");
    EXPECT_EQ(outline(week), "A[A1] W[A[A1]]");
    EXPECT_EQ(item(week, "W")->firstChild()->firstChild()->record<GoalRecord>().state, 4);
    EXPECT_EQ(observer.changedTrees, (std::vector<std::string>{"GoalTree", "Goal2Tree", "GoalTree", "Goal2Tree"}));
}

TEST_F(TreeDropTest, DropsAcrossFamiliesOntoTagListsOrFromOtherProgramsAreIgnored) {
    ItemTree& links = tree(TreeId::LinksTree);
    build(links, "L[L1]");
    ItemTree& goals = tree(TreeId::DayGoalTree);
    build(goals, "G");
    ItemTree& tags = tree(TreeId::LinkTagsTree);
    build(tags, "T");
    select(links, {"L"});
    select(goals, {"G"});
    select(tags, {"T"});

    for (const KeyModifiers keys : {KeyModifiers{}, KeyModifiers{.shift = true}}) {
        commands.treeDragDrop(tags, item(tags, "T"), &links, DropPosition::On, keys);
        commands.treeDragDrop(links, item(links, "L1"), &tags, DropPosition::On, keys);
        commands.treeDragDrop(goals, item(goals, "G"), &links, DropPosition::Below, keys);
        commands.treeDragDrop(links, item(links, "L1"), nullptr, DropPosition::On, keys);
    }
    EXPECT_EQ(outline(links), "L[L1]");
    EXPECT_EQ(outline(goals), "G");
    EXPECT_EQ(outline(tags), "T");
    EXPECT_TRUE(observer.changedTrees.empty());
}

TEST_F(TreeDropTest, DropIntoOwnSubtreeStopsWithError2001KeepingEarlierMoves) {
    ItemTree& contacts = tree(TreeId::ContactsTree);
    build(contacts, "A[A1] B[B1]");
    select(contacts, {"A", "B"});
    try {
        commands.treeDragDrop(contacts, item(contacts, "B1"), &contacts, DropPosition::On, {});
        ADD_FAILURE() << "a drop into the item's own subtree must fail";
    } catch (const TreeError& error) {
        EXPECT_EQ(error.code(), 2001);
        EXPECT_STREQ(error.what(), "Target node cannot be a child node of the node to be moved.");
    }
    EXPECT_EQ(outline(contacts), "B[B1[A[A1]]]");
    EXPECT_EQ(observer.changedTrees, std::vector<std::string>{"ContactsTree"});
}

}  // namespace
}  // namespace torvalet
