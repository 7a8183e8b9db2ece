#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "NavigationFixture.h"
#include "trees/ContactRecord.h"
#include "trees/GoalCommands.h"
#include "trees/GoalForm.h"
#include "trees/GoalRecord.h"
#include "trees/LinkRecord.h"

namespace torvalet {
namespace {

using testing::build;
using testing::expandAll;
using testing::item;
using testing::rows;
using testing::select;

class TreeFiltersTest : public testing::NavigationFixture {
protected:
    // Groups Hotels[Grand Hotel, Motel] and People[Rose (Rose Garden), Pedro (living in Spain)],
    // and Bob (Robert) at the top level, all collapsed.
    ItemTree& contacts() {
        ItemTree& tree = this->tree(TreeId::ContactsTree);
        build(tree, "Hotels[Grand.Hotel Motel] People[Rose Pedro] Bob");
        contact("Grand.Hotel").official = "Grand Hotel";
        contact("Rose").firstName = "Rose";
        contact("Rose").lastName = "Garden";
        contact("Pedro").address = "Gran Via 1\nMadrid, SPAIN";
        contact("Bob").firstName = "Robert";
        return tree;
    }
    ContactRecord& contact(const char* name) { return item(tree(TreeId::ContactsTree), name)->record<ContactRecord>(); }
};

TEST_F(TreeFiltersTest, ContactNameFilterJoinsTheNamesAndLooksInTheAddress) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"an", "Hotels[Grand Hotel] People[Pedro]"},  // Grand Hotel, and Gran Via in the address
        {"rosegarden", "People[Rose]"},
        {"rose garden", ""},
        {"HOTEL", "Hotels[Grand Hotel]"},  // the group matches too, Motel does not
        {"spain", "People[Pedro]"},
        {".*", ""},         // no pattern
        {"pedrogran", ""},  // the address is not joined to the names
        {"robert", "Bob"},
    };
    for (const auto& row : cases) {
        ItemTree& tree = contacts();
        filters().editChanged(NavFamily::Contacts, row.typed);
        EXPECT_EQ(rows(tree), row.shown) << row.typed;
    }
}

TEST_F(TreeFiltersTest, NameFiltersOfGoalsAndLinksLookAtTheirTwoFields) {
    ItemTree& goals = tree(TreeId::DayGoalTree);
    build(goals, "Work[Отчёт Plan] Home[ΟΔΟΣ]");
    item(goals, "Plan")->record<GoalRecord>().description = "[a-z]+ budget";
    filters().filterGoalsByName("отЧЁТ");
    EXPECT_EQ(rows(goals), "Work[Отчёт]");
    filters().filterGoalsByName("οδος");
    EXPECT_EQ(rows(goals), "Home[ΟΔΟΣ]");
    filters().filterGoalsByName("[A-Z]+");
    EXPECT_EQ(rows(goals), "Work[Plan]");

    ItemTree& links = tree(TreeId::LinksTree);
    build(links, "News[Paper Radio] Mail");
    item(links, "Radio")->record<LinkRecord>().url = "https://radio.example/";
    filters().filterLinksByName("EXAMPLE");
    EXPECT_EQ(rows(links), "News[Radio]");
}

TEST_F(TreeFiltersTest, AMatchingGroupShowsItselfButNotItsOtherMembers) {
    ItemTree& goals = tree(TreeId::DayGoalTree);
    build(goals, "Garden[Seeds Tools[Rake]] Car");
    filters().filterGoalsByName("garden");
    EXPECT_EQ(rows(goals), "Garden");
    filters().filterGoalsByName("rake");
    EXPECT_EQ(rows(goals), "Garden[Tools[Rake]]");
}

TEST_F(TreeFiltersTest, EmptyingTheLineShowsEveryItemWithItsExpandedState) {
    ItemTree& tree = contacts();
    item(tree, "People")->setFlag(NodeFlag::Expanded, true);
    filters().editChanged(NavFamily::Contacts, "motel");
    EXPECT_EQ(rows(tree), "Hotels[Motel]");
    filters().editChanged(NavFamily::Contacts, "");
    EXPECT_EQ(rows(tree), "Hotels[Grand Hotel Motel] People[Rose Pedro] Bob");
    EXPECT_EQ(display.calls.back(), "repaint ContactsTree");
}

// "Add" while the line filters: the new item is let through the filter, with the path to it open,
// focused and only selected, whatever hid the place it goes to; the rest stays filtered.
TEST_F(TreeFiltersTest, AnItemAddedWhileTheLineFiltersIsShown) {
    GoalForm goalForm{fakes.ui, settings, observer, view};
    GoalCommands goals{trees, view, cuePlayer, fakes.clipboard, goalForm, observer, guard};
    const struct {
        TreeId id;
        NavFamily family;
        const char* selected;
        std::function<TreeNode*()> add;
        const char* shown;
    } cases[] = {
        {TreeId::DayGoalTree, NavFamily::Goals, "Rose", [&] { return goals.addGoalNamed("milk"); }, "People[milk]"},
        {TreeId::LinksTree, NavFamily::Links, "Rose",
         [&] {
             commands.run(kLinksPage, TreeOperation::NewChild);
             return tree(TreeId::LinksTree).root()->firstChild()->nextSibling()->firstChild()->firstChild();
         },
         "People[Rose]"},
        {TreeId::ContactsTree, NavFamily::Contacts, "Rose", [&] { return filters().addContactFromBar(); },
         "People[milk]"},
    };
    for (const auto& c : cases) {
        ItemTree& items = tree(c.id);
        build(items, "Hotels[Motel] People[Rose Pedro] Bob");
        select(items, {c.selected});
        items.setFocused(item(items, c.selected));
        bar(c.family).text = "milk";
        filters().editChanged(c.family, "milk");
        ASSERT_EQ(rows(items), "") << items.name();

        TreeNode* made = c.add();
        ASSERT_TRUE(made) << items.name();
        EXPECT_EQ(rows(items), c.shown) << items.name();
        for (const TreeNode* up = made; !up->isRoot(); up = up->parent()) {
            EXPECT_TRUE(up->hasFlag(NodeFlag::Visible)) << items.name();
            EXPECT_TRUE(up == made || up->hasFlag(NodeFlag::Expanded)) << items.name();
        }
        if (c.family != NavFamily::Links) {
            EXPECT_EQ(items.focused(), made) << items.name();
            EXPECT_EQ(items.sortedSelection(), std::vector<TreeNode*>{made}) << items.name();
        }
    }
}

TEST_F(TreeFiltersTest, GoalStateList) {
    const struct {
        int index;
        const char* shown;
    } cases[] = {
        {0, "A[A1 A2] B"},  // "None" shows every goal, not the goals without state
        {6, "A[A2]"},      {1, "B"}, {-1, "A[A1 A2] B"}, {7, ""},
    };
    ItemTree& goals = tree(TreeId::DayGoalTree);
    for (const auto& row : cases) {
        build(goals, "A[A1 A2] B");
        expandAll(goals);
        item(goals, "A2")->record<GoalRecord>().state = 6;
        item(goals, "B")->record<GoalRecord>().state = 1;
        filters().listChanged(NavFamily::Goals, row.index);
        EXPECT_EQ(rows(goals), row.shown) << row.index;
        EXPECT_EQ(bar(NavFamily::Goals).listIndex, row.index);
    }
}

TEST_F(TreeFiltersTest, ContactListOnlyShowsAllAgain) {
    ItemTree& tree = contacts();
    filters().editChanged(NavFamily::Contacts, "bob");
    filters().listChanged(NavFamily::Contacts, 3);
    EXPECT_EQ(rows(tree), "Bob");
    filters().listChanged(NavFamily::Contacts, 0);
    EXPECT_EQ(rows(tree), "Hotels People Bob");
}

TEST_F(TreeFiltersTest, EnterFindsTheExactNameAndEmptiesTheBar) {
    const struct {
        NavFamily family;
        TreeId tree;
        const char* typed;
        const char* found;  // "" for none
        const char* shown;
    } cases[] = {
        {NavFamily::Goals, TreeId::DayGoalTree, "Seed", "", "A B"},                     // no match: fully collapsed
        {NavFamily::Goals, TreeId::DayGoalTree, "seeds", "", "A B"},                    // case counts
        {NavFamily::Goals, TreeId::DayGoalTree, "Seeds", "Seeds", "A[Seeds[Rake]] B"},  // the first in tree order
        {NavFamily::Links, TreeId::LinksTree, "Rake", "Rake", "A[Seeds[Rake]] B"},
    };
    for (const auto& row : cases) {
        ItemTree& items = tree(row.tree);
        build(items, "A[Seeds[Rake]] B[Seeds]");
        expandAll(items);
        view.activePage = NavigationContext::pageOf(row.family);
        filters().editChanged(row.family, row.typed);
        filters().editEnter(row.family);
        EXPECT_EQ(rows(items), row.shown) << row.typed;
        if (*row.found) {
            EXPECT_EQ(items.focused(), item(items, row.found)) << row.typed;
            EXPECT_EQ(items.selectionCount(), 1u);
            EXPECT_FALSE(bar(row.family).holdsText()) << row.typed;
            EXPECT_EQ(display.calls.back(), "scroll " + items.name() + " " + row.found);
        } else {
            EXPECT_EQ(bar(row.family).text, row.typed);
        }
    }
}

TEST_F(TreeFiltersTest, ContactFindComparesTheFirstName) {
    ItemTree& tree = contacts();
    filters().editChanged(NavFamily::Contacts, "Bob");
    filters().editEnter(NavFamily::Contacts);
    EXPECT_EQ(tree.focused(), nullptr);
    filters().editChanged(NavFamily::Contacts, "Robert");
    filters().editEnter(NavFamily::Contacts);
    EXPECT_EQ(tree.focused(), item(tree, "Bob"));
}

TEST_F(TreeFiltersTest, ClickInAFilteredTreeCollapsesAllButTheClickedItem) {
    ItemTree& tree = contacts();
    view.activePage = kContactsPage;
    filters().editChanged(NavFamily::Contacts, "a");
    EXPECT_EQ(rows(tree), "Hotels[Grand Hotel] People[Rose Pedro]");
    tree.selectOnly(item(tree, "Rose"));
    filters().treeClicked(NavFamily::Contacts);
    EXPECT_EQ(rows(tree), "Hotels People[Rose Pedro] Bob");
    EXPECT_EQ(bar(NavFamily::Contacts).text, "");
    // Without text in the bar a click changes nothing.
    tree.selectOnly(item(tree, "Motel"));
    filters().treeClicked(NavFamily::Contacts);
    EXPECT_EQ(rows(tree), "Hotels People[Rose Pedro] Bob");
}

TEST_F(TreeFiltersTest, ContactBarAddCreatesAManNamedAfterTheLine) {
    const struct {
        const char* line;
        const char* selected;  // "" for none
        const char* outline;
    } cases[] = {
        {"", "", "Hotels[Grand Hotel Motel] People[Rose Pedro] Bob _"},
        {"Dora", "Pedro", "Hotels[Grand Hotel Motel] People[Rose Pedro Dora] Bob"},
        {"Eve", "Hotels", "Hotels[Grand Hotel Motel] People[Rose Pedro] Bob Eve"},
    };
    for (const auto& row : cases) {
        ItemTree& tree = contacts();
        if (*row.selected) select(tree, {row.selected});
        bar(NavFamily::Contacts).text = row.line;
        view.activePage = kTasksPage;
        TreeNode* added = filters().addContactFromBar();
        EXPECT_EQ(testing::outline(tree), row.outline) << row.line;
        ContactRecord expected;
        expected.official = row.line;
        expected.kind = 1;
        EXPECT_EQ(added->record<ContactRecord>(), expected);
        EXPECT_EQ(tree.focused(), added);
        EXPECT_EQ(tree.firstSelected(), added);
        EXPECT_EQ(tree.selectionCount(), 1u);
        EXPECT_EQ(view.activePage, kContactsPage);
    }
}

TEST_F(TreeFiltersTest, StarEmptiesTheBarAndShowsEverything) {
    ItemTree& people = contacts();
    view.activePage = kContactsPage;
    filters().editChanged(NavFamily::Contacts, "motel");
    filters().listChanged(NavFamily::Contacts, 2);
    display.calls.clear();
    filters().clearBar(NavFamily::Contacts);
    EXPECT_FALSE(bar(NavFamily::Contacts).holdsText());
    EXPECT_EQ(rows(people), "Hotels[Grand Hotel Motel] People Bob");
    EXPECT_EQ(display.calls, (std::vector<std::string>{"repaint ContactsTree", "focus ContactsTree"}));

    ItemTree& goals = tree(TreeId::DayGoalTree);
    build(goals, "A B");
    filters().editChanged(NavFamily::Goals, "b");
    filters().listChanged(NavFamily::Goals, 0);
    filters().editChanged(NavFamily::Goals, "b");
    filters().clearBar(NavFamily::Goals);
    EXPECT_EQ(rows(goals), "A B");
    EXPECT_FALSE(bar(NavFamily::Goals).holdsText());
}

TEST_F(TreeFiltersTest, LeavingAGoalTabShowsItsGoalsAndEmptiesTheStateList) {
    ItemTree& day = tree(TreeId::DayGoalTree);
    build(day, "A B");
    item(day, "B")->record<GoalRecord>().state = 2;
    filters().listChanged(NavFamily::Goals, 2);
    EXPECT_EQ(rows(day), "B");
    filters().leaveGoalTab(0);
    view.goalPage = 1;
    EXPECT_EQ(rows(day), "A B");
    EXPECT_EQ(bar(NavFamily::Goals).listIndex, -1);
}

TEST(TypeAheadTest, ComparesTheShorterLengthRegardlessOfCase) {
    const struct {
        const char* typed;
        const char* name;
        bool equal;
    } cases[] = {
        {"Tables", "Tab", true}, {"tab", "TABLES", true}, {"tx", "Tab", false},
        {"жу", "Журнал", true},  {"b", "", false},        {"", "Any", true},
    };
    for (const auto& row : cases)
        EXPECT_EQ(TypeAhead::compare(row.typed, row.name) == 0, row.equal) << row.typed << " / " << row.name;
}

TEST_F(TreeFiltersTest, TypeAheadCollectsKeysUntilASecondPasses) {
    ItemTree& phrases = tree(TreeId::PhrasesTree);
    build(phrases, "Alpha Tab[Table] Beta Tango");
    const struct {
        const char* key;
        std::int64_t ms;
        const char* found;  // "" for none
    } keys[] = {
        {"t", 0, "Tab"},     {"a", 500, "Tab"},    {"n", 900, "Tango"},  // "tan"
        {"b", 2000, "Beta"}, {"t", 3500, "Tango"}, {"t", 4700, "Tab"},   // round to the start
        {"q", 6000, ""},
    };
    for (const auto& key : keys) {
        TreeNode* found = navigation.incrementalSearch(phrases, key.key, key.ms);
        EXPECT_EQ(found ? *firstTextField(*found) : "", key.found) << key.key << " at " << key.ms;
        if (found) {
            EXPECT_EQ(phrases.focused(), found);
        }
    }
    EXPECT_EQ(navigation.incrementalSearch(tree(TreeId::DayGoalTree), "a", 0), nullptr);
}

}  // namespace
}  // namespace torvalet
