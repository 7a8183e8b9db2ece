#include <gtest/gtest.h>

#include "NavigationFixture.h"

namespace torvalet {
namespace {

using testing::build;
using testing::expandAll;
using testing::item;
using testing::rows;
using testing::select;

using TreeLevelsTest = testing::NavigationFixture;

TEST_F(TreeLevelsTest, ShowLevelHidesWhatLiesDeeper) {
    const struct {
        int level;
        const char* shown;
    } cases[] = {
        {0, "A B"},
        {1, "A[A1 A2] B[B1]"},
        {2, "A[A1 A2[A21]] B[B1]"},
        {8, "A[A1 A2[A21]] B[B1]"},  // deeper than the tree: nothing hidden
    };
    ItemTree& goals = tree(TreeId::DayGoalTree);
    for (const auto& row : cases) {
        build(goals, "A[A1 A2[A21]] B[B1]");
        expandAll(goals);
        levels().showLevel(goals, row.level);
        EXPECT_EQ(rows(goals), row.shown) << "level " << row.level;
    }
}

TEST_F(TreeLevelsTest, ShowAllLevelsBringsItemsBackWithTheirExpandedState) {
    ItemTree& goals = tree(TreeId::DayGoalTree);
    build(goals, "A[A1 A2[A21]] B[B1]");
    expandAll(goals);
    item(goals, "A2")->setFlag(NodeFlag::Expanded, false);
    levels().showLevel(goals, 0);
    EXPECT_EQ(rows(goals), "A B");
    levels().showAllLevels(goals);
    EXPECT_EQ(rows(goals), "A[A1 A2] B[B1]");
    // Expanded flags are left alone: an item of level 1 under a collapsed parent stays out of view.
    item(goals, "A")->setFlag(NodeFlag::Expanded, false);
    levels().showLevel(goals, 1);
    EXPECT_EQ(rows(goals), "A B[B1]");
    EXPECT_EQ(display.calls.back(), "repaint GoalTree");
}

TEST_F(TreeLevelsTest, ShowLevelWalksTenThousandLevels) {
    ItemTree& goals = tree(TreeId::DayGoalTree);
    goals.clear();
    TreeNode* node = nullptr;
    for (int depth = 0; depth < 10000; ++depth) node = goals.appendChild(node);
    levels().showLevel(goals, 4999);
    EXPECT_FALSE(node->hasFlag(NodeFlag::Visible));
    int shown = 0;
    goals.forEach([&](TreeNode* n) { shown += n->hasFlag(NodeFlag::Visible) ? 1 : 0; });
    EXPECT_EQ(shown, 5000);
}

TEST_F(TreeLevelsTest, ExpandNodeOpensTheWholeBranchOfTheFirstSelected) {
    ItemTree& contacts = tree(TreeId::ContactsTree);
    build(contacts, "A[A1[A11[A111]] A2] B[B1]");
    select(contacts, {"B", "A"});
    navigation.levels().expandContactNode();
    EXPECT_EQ(rows(contacts), "A[A1[A11[A111]] A2] B");
    EXPECT_EQ(view.activePage, kContactsPage);

    navigation.levels().collapseNodeOf(NavFamily::Contacts);
    EXPECT_EQ(rows(contacts), "A B");
    contacts.clearSelection();
    navigation.levels().expandContactNode();  // nothing selected: nothing happens
    EXPECT_EQ(rows(contacts), "A B");
}

TEST_F(TreeLevelsTest, MenuCommandsActOnTheActiveTreeOfTheirPage) {
    ItemTree& week = tree(TreeId::WeekGoalTree);
    build(week, "W[W1[W11]]");
    view.goalPage = 1;
    view.activePage = kContactsPage;
    navigation.levels().expandAllOf(NavFamily::Goals);
    EXPECT_EQ(rows(week), "W[W1[W11]]");
    EXPECT_EQ(view.activePage, kTasksPage);
    navigation.levels().showLevelOf(NavFamily::Goals, 1);
    EXPECT_EQ(rows(week), "W[W1]");
    navigation.levels().showAllLevelsOf(NavFamily::Goals);
    navigation.levels().collapseAllOf(NavFamily::Goals);
    EXPECT_EQ(rows(week), "W");

    view.linksPage = 7;  // a link tab without a tree: the link commands find nothing to do
    navigation.levels().showLevelOf(NavFamily::Links, 0);
    EXPECT_EQ(view.activePage, kLinksPage);
}

TEST_F(TreeLevelsTest, GotoFirstAndLastVisibleItem) {
    const struct {
        const char* name;
        const char* hidden;     // an item made hidden first
        const char* collapsed;  // an item collapsed first
        const char* first;
        const char* last;
    } cases[] = {
        {"all open", "", "", "A", "B2"},
        {"last top-level item collapsed: not into it", "", "B", "A", "B"},
        {"hidden items skipped", "A", "", "B", "B2"},
        {"the last child hidden", "B2", "", "A", "B1"},
    };
    ItemTree& links = tree(TreeId::LinksTree);
    for (const auto& row : cases) {
        build(links, "A[A1] B[B1 B2]");
        expandAll(links);
        if (*row.hidden) item(links, row.hidden)->setFlag(NodeFlag::Visible, false);
        if (*row.collapsed) item(links, row.collapsed)->setFlag(NodeFlag::Expanded, false);
        select(links, {"A1", "B1"});
        levels().gotoFirstVisibleItem(links);
        EXPECT_EQ(*firstTextField(*links.focused()), row.first) << row.name;
        EXPECT_EQ(links.selectionCount(), 1u) << row.name;
        EXPECT_EQ(links.firstSelected(), links.focused()) << row.name;
        levels().gotoLastVisibleItem(links);
        EXPECT_EQ(*firstTextField(*links.focused()), row.last) << row.name;
    }
    // The tree is not on the current page: no focus, only the scroll.
    view.activePage = kTasksPage;
    display.calls.clear();
    levels().gotoFirstVisibleItem(links);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"repaint LinksTree", "scroll LinksTree A"}));
}

TEST_F(TreeLevelsTest, CollapseAllButSelectedOpensThePathToTheFirstSelected) {
    ItemTree& contacts = tree(TreeId::ContactsTree);
    build(contacts, "A[A1[A11 A12] A2] B[B1]");
    expandAll(contacts);
    item(contacts, "B")->setFlag(NodeFlag::Visible, false);
    bar(NavFamily::Contacts) = {"a1", 2};
    bar(NavFamily::Goals) = {"kept", 3};
    select(contacts, {"B1", "A1"});
    view.activePage = kContactsPage;

    levels().collapseAllButSelected(contacts);
    EXPECT_EQ(rows(contacts), "A[A1[A11 A12] A2] B");
    EXPECT_FALSE(bar(NavFamily::Contacts).holdsText());
    EXPECT_TRUE(bar(NavFamily::Goals).holdsText());
    EXPECT_EQ(display.calls,
              (std::vector<std::string>{"repaint ContactsTree", "focus ContactsTree", "scroll ContactsTree A1"}));
}

TEST_F(TreeLevelsTest, CollapseAllButSelectedWithoutSelectionOrFocusScrollsNowhere) {
    ItemTree& goals = tree(TreeId::DayGoalTree);
    build(goals, "A[A1] B[B1]");
    expandAll(goals);
    bar(NavFamily::Goals) = {"x", 4};
    levels().collapseAllButSelected(goals);
    EXPECT_EQ(rows(goals), "A B");
    EXPECT_FALSE(bar(NavFamily::Goals).holdsText());
    EXPECT_EQ(display.calls, (std::vector<std::string>{"repaint GoalTree", "focus GoalTree"}));
}

TEST_F(TreeLevelsTest, KeyCCollapsesAllButTheSelected) {
    ItemTree& links = tree(TreeId::LinksTree);
    build(links, "A[A1] B[B1]");
    expandAll(links);
    select(links, {"B1"});
    view.activePage = kLinksPage;
    commands.treeKeyDown(links, TreeKey::C, {});
    EXPECT_EQ(rows(links), "A B[B1]");
}

TEST_F(TreeLevelsTest, SetTreeViewFocusesOnlyAShownTree) {
    ItemTree& goals = tree(TreeId::MonthGoalTree);
    build(goals, "A[A1[A11]]");
    select(goals, {"A11"});
    view.goalPage = 0;
    levels().revealFirstSelected(goals);
    EXPECT_EQ(rows(goals), "A");
    view.goalPage = 2;
    levels().revealFirstSelected(goals);
    EXPECT_EQ(rows(goals), "A[A1[A11]]");
    EXPECT_EQ(display.calls.back(), "scroll Goal3Tree A11");
}

}  // namespace
}  // namespace torvalet
