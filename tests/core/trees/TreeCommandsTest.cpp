#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <stdexcept>

#include "TreeCommandsFixture.h"
#include "trees/TreeCreation.h"

namespace torvalet {
namespace {

using testing::build;
using testing::item;
using testing::names;
using testing::outline;
using testing::select;

using TreeCommandsTest = testing::TreeCommandsFixture;

TEST_F(TreeCommandsTest, ActiveTreesFollowTheTabs) {
    const TreeId goals[] = {TreeId::DayGoalTree,  TreeId::WeekGoalTree,   TreeId::MonthGoalTree,
                            TreeId::YearGoalTree, TreeId::GlobalGoalTree, TreeId::DayGoalTree};
    const int goalTabs[] = {0, 1, 2, 3, 4, 9};
    for (int i = 0; i < 6; ++i) {
        view.goalPage = goalTabs[i];
        EXPECT_EQ(commands.activeGoalTree().id(), goals[i]);
    }
    const TreeId links[] = {TreeId::LinksTree,  TreeId::ToolsTree, TreeId::FoldersTree,
                            TreeId::SearchTree, TreeId::DocsTree,  TreeId::ImagesTree};
    for (int tab = 0; tab < 6; ++tab) {
        view.linksPage = tab;
        EXPECT_EQ(commands.activeLinksTree()->id(), links[tab]);
    }
    view.linksPage = 6;
    EXPECT_EQ(commands.activeLinksTree(), nullptr);
    commands.run(kLinksPage, TreeOperation::NewRoot);
    commands.run(kLinksPage, TreeOperation::Paste);
    EXPECT_TRUE(edited.empty());
}

TEST_F(TreeCommandsTest, NoSelectionMessageByLanguage) {
    for (const int lang : {0, 1, 2, 3}) {
        language = lang;
        commands.showNoSelectionMessage();
    }
    EXPECT_EQ(fakes.ui.messages, (std::vector<std::string>{"There are no selected nodes!", "Не выбраны узлы дерева!",
                                                           "Не выбраны узлы дерева!", "There are no selected nodes!"}));
}

// The menu commands that show their page first, and those that act where the user is.
TEST_F(TreeCommandsTest, MenuCommandsShowTheirPageOrNot) {
    const struct {
        Page page;
        TreeOperation operation;
        bool showsPage;
    } cases[] = {
        {kTasksPage, TreeOperation::Cut, true},           {kTasksPage, TreeOperation::MoveUp, true},
        {kTasksPage, TreeOperation::Clone, true},         {kTasksPage, TreeOperation::Group, false},
        {kTasksPage, TreeOperation::InsertAfter, false},  {kLinksPage, TreeOperation::Delete, true},
        {kLinksPage, TreeOperation::MoveUp, false},       {kLinksPage, TreeOperation::Group, false},
        {kContactsPage, TreeOperation::MoveDown, false},  {kContactsPage, TreeOperation::Clone, true},
        {kContactsPage, TreeOperation::Properties, true}, {kBlocknotePage, TreeOperation::Clone, true},
        {kCalendarPage, TreeOperation::Paste, true},
    };
    for (const auto& row : cases) {
        for (ItemTree& items : trees.all()) {
            build(items, "A B");
            select(items, {"B"});
        }
        view.activePage = row.page == kCalendarPage ? kTasksPage : kCalendarPage;
        const int before = view.activePage;
        commands.run(row.page, row.operation);
        EXPECT_EQ(view.activePage, row.showsPage ? row.page : before) << row.page << " " << int(row.operation);
    }
}

// The Links page's commands find no tree while its tabs show none; a command the table does not
// give a page is refused.
TEST_F(TreeCommandsTest, CommandsWithoutATreeDoNothingAndUnknownOnesAreRefused) {
    view.linksPage = 6;
    for (const TreeOperation operation : {TreeOperation::NewRoot, TreeOperation::Paste, TreeOperation::Clone,
                                          TreeOperation::Properties, TreeOperation::MoveDown})
        commands.run(kLinksPage, operation);
    EXPECT_TRUE(edited.empty());
    EXPECT_TRUE(fakes.ui.messages.empty());
    EXPECT_THROW(commands.run(kCalendarPage, TreeOperation::MoveUp), std::invalid_argument);
    EXPECT_THROW(commands.run(kBlocknotePage, TreeOperation::Group), std::invalid_argument);
    EXPECT_THROW(commands.run(kTasksPage, TreeOperation::Properties), std::invalid_argument);  // the goal form's
}

// Each page's commands hang in that page's menu or its submenu, one command per operation; every
// tool bar's New button has its command.
TEST_F(TreeCommandsTest, TheTableGivesEachPageOneMenuAndOneCommandPerOperation) {
    std::map<Page, std::string> pageMenu;
    std::set<std::string> names;
    for (const TreeCommandInfo& command : treeCommands()) {
        EXPECT_TRUE(names.insert(command.name).second) << command.name;
        EXPECT_EQ(findTreeCommand(command.page, command.operation), &command) << command.name;
        const CommandMenu* menu = findTreeMenu(command.menu);
        ASSERT_NE(menu, nullptr) << command.name;
        while (*menu->parent) menu = findTreeMenu(menu->parent);
        EXPECT_EQ(pageMenu.try_emplace(command.page, menu->name).first->second, menu->name) << command.name;
    }
    for (const TreeMenuLabel& label : treeMenuLabels()) EXPECT_NE(findTreeMenu(label.menu), nullptr) << label.name;
    for (const TreeToolBarInfo& bar : treeToolBars())
        EXPECT_NE(findTreeCommand(bar.page, bar.newOperation), nullptr) << bar.name;
}

TEST_F(TreeCommandsTest, DeleteFocusesTheDisplayedAncestor) {
    const struct {
        const char* name;
        std::initializer_list<std::string_view> selected;
        std::uint16_t clearOnA;  // A is expanded and shown unless this clears it
        const char* focus;       // "(none)" for no focused item
        const char* left;
    } cases[] = {
        {"top-level item", {"B"}, 0, "(none)", "A[A1 A2[A21]]"},
        {"child of a shown parent", {"A1"}, 0, "A", "A[A2[A21]] B"},
        {"below a collapsed parent", {"A21"}, 0, "A", "A[A1 A2] B"},
        {"child of a collapsed parent", {"A1"}, NodeFlag::Expanded, "(none)", "A[A2[A21]] B"},
        {"child of a hidden parent", {"A1"}, NodeFlag::Visible, "(none)", "A[A2[A21]] B"},
        {"several, the first decides", {"B", "A21"}, 0, "A", "A[A1 A2]"},
    };
    for (const auto& row : cases) {
        ItemTree& goals = tree(TreeId::DayGoalTree);
        build(goals, "A[A1 A2[A21]] B");
        item(goals, "A")->setFlag(NodeFlag::Expanded, true);
        item(goals, "A")->setFlag(row.clearOnA, false);
        select(goals, row.selected);

        commands.deleteSelected(goals);
        EXPECT_EQ(outline(goals), row.left) << row.name;
        EXPECT_EQ(names({goals.focused()}), std::vector<std::string>{row.focus}) << row.name;
        const auto expectedSelection =
            goals.focused() ? std::vector<TreeNode*>{goals.focused()} : std::vector<TreeNode*>{};
        EXPECT_EQ(goals.selection(), expectedSelection) << row.name;
    }
    EXPECT_EQ(fakes.sound.played, recycleCues(6));

    tree(TreeId::DayGoalTree).clearSelection();
    commands.deleteSelected(tree(TreeId::DayGoalTree));  // nothing selected: nothing happens, no cue
    EXPECT_EQ(fakes.sound.played.size(), 6u);
}

TEST_F(TreeCommandsTest, NewChildGoalMakesASiblingWhileInsertAndAddRightMakeAChild) {
    const struct {
        const char* name;
        std::function<void()> command;
        const char* expected;
        Page page;  // only the menu command shows the Tasks page
    } cases[] = {
        {"New Child Goal", [this] { commands.run(kTasksPage, TreeOperation::NewChild); }, "A[A1 A2 _] B", kTasksPage},
        {"Enter", [this] { commands.treeKeyDown(tree(TreeId::DayGoalTree), TreeKey::Enter, {}); }, "A[A1 A2 _] B",
         kTasksPage},
        {"Add Goal Right", [this] { commands.run(kTasksPage, TreeOperation::AddRight); }, "A[A1[_] A2] B",
         kBlocknotePage},
        {"Insert", [this] { commands.treeKeyDown(tree(TreeId::DayGoalTree), TreeKey::Insert, {}); }, "A[A1[_] A2] B",
         kBlocknotePage},
    };
    for (const auto& row : cases) {
        ItemTree& goals = tree(TreeId::DayGoalTree);
        build(goals, "A[A1 A2] B");
        select(goals, {"A1"});
        goals.setFocused(item(goals, "A1"));
        view.activePage = kBlocknotePage;
        edited.clear();

        row.command();
        EXPECT_EQ(outline(goals), row.expected) << row.name;
        TreeNode* created = goals.focused();
        EXPECT_EQ(created->record<GoalRecord>().kind, 3) << row.name;
        EXPECT_EQ(goals.selection(), std::vector<TreeNode*>{created}) << row.name;
        EXPECT_EQ(editedNode, created) << row.name;
        EXPECT_EQ(edited.size(), 1u) << row.name;
        EXPECT_EQ(view.activePage, row.page) << row.name;
    }

    ItemTree& goals = tree(TreeId::DayGoalTree);
    build(goals, "A B");
    select(goals, {"A"});
    commands.run(kTasksPage, TreeOperation::NewChild);  // for a top-level item: a new last top-level item
    EXPECT_EQ(outline(goals), "A B _");
}

TEST_F(TreeCommandsTest, AddNodeToPlacesByFocus) {
    const struct {
        std::optional<NodePlace> place;  // none: a new top-level item
        bool focusA;
        const char* expected;
    } cases[] = {
        {std::nullopt, true, "A[A1] B _"},          {NodePlace::Before, true, "_ A[A1] B"},
        {NodePlace::After, true, "A[A1] _ B"},      {NodePlace::LastChild, true, "A[A1 _] B"},
        {NodePlace::Before, false, "_ A[A1] B"},    {NodePlace::After, false, "A[A1] B _"},
        {NodePlace::LastChild, false, "A[A1] B _"},
    };
    for (const auto& row : cases) {
        ItemTree& goals = tree(TreeId::MonthGoalTree);
        build(goals, "A[A1] B");
        goals.setFocused(row.focusA ? item(goals, "A") : nullptr);
        select(goals, {"B"});
        TreeNode* created = row.place ? TreeCreation::addNode(goals, *row.place) : TreeCreation::addTopLevelNode(goals);
        const int place = row.place ? static_cast<int>(*row.place) : -1;
        EXPECT_EQ(outline(goals), row.expected) << place << row.focusA;
        ASSERT_NE(created, nullptr) << place;
        EXPECT_EQ(goals.focused(), row.focusA ? item(goals, "A") : nullptr);
        EXPECT_EQ(names(goals.selection()), std::vector<std::string>{"B"});
    }
}

TEST_F(TreeCommandsTest, GroupingNamesTheGroupAfterItsItems) {
    const struct {
        TreeId tree;
        void (TreeCommands::*group)(ItemTree&);
        std::int32_t kind;
    } cases[] = {
        {TreeId::YearGoalTree, &TreeCommands::groupSelectedGoals, 0},
        {TreeId::FoldersTree, &TreeCommands::groupSelectedLinks, 5},
        {TreeId::ContactsTree, &TreeCommands::groupSelectedContacts, 4},
    };
    for (const auto& row : cases) {
        ItemTree& items = tree(row.tree);
        build(items, "X A[A1] B C");
        select(items, {"C", "A", "A1", "B"});
        (commands.*row.group)(items);
        EXPECT_EQ(outline(items), "X A B C [A[A1] B C]") << row.tree;
        TreeNode* group = items.firstTopLevel()->nextSibling();
        EXPECT_EQ(*firstTextField(*group), "A B C ") << row.tree;
        EXPECT_EQ(*kindField(*group), row.kind) << row.tree;
    }

    // Forty characters, not bytes, of a longer text.
    ItemTree& goals = tree(TreeId::DayGoalTree);
    build(goals, "Пятнадцать_букв Пятнадцать_букв Пятнадцать_букв");
    for (TreeNode* n = goals.firstTopLevel(); n; n = n->nextSibling()) goals.select(n);
    commands.groupSelectedGoals(goals);
    EXPECT_EQ(goals.firstTopLevel()->record<GoalRecord>().text, "Пятнадцать_букв Пятнадцать_букв Пятнадца");

    build(goals, "A");
    goals.clearSelection();
    commands.groupSelectedGoals(goals);  // nothing selected: an empty group at the top
    EXPECT_EQ(outline(goals), "_ A");
}

TEST_F(TreeCommandsTest, CloneCopiesUnderTheDisplayedAncestor) {
    ItemTree& goals = tree(TreeId::WeekGoalTree);
    view.goalPage = 1;
    build(goals, "A[A1 A2[A21]] B");
    item(goals, "A")->setFlag(NodeFlag::Expanded, true);
    item(goals, "A1")->record<GoalRecord>().description = "kept";
    select(goals, {"A1", "A21"});
    view.activePage = kCalendarPage;

    commands.run(kTasksPage, TreeOperation::Clone);
    EXPECT_EQ(view.activePage, kTasksPage);
    EXPECT_EQ(outline(goals), "A[A1 A2[A21] A1 A21] B");
    EXPECT_EQ(goals.focused(), item(goals, "A"));
    EXPECT_EQ(item(goals, "A")->childCount(), 4u);
    EXPECT_EQ(item(goals, "A")->lastChild()->previousSibling()->record<GoalRecord>().description, "kept");
}

TEST_F(TreeCommandsTest, F5ClonesAndFocusesTheLastCopyDeepest) {
    ItemTree& links = tree(TreeId::LinksTree);
    build(links, "A[A1 A2[A21]] B");
    item(links, "A")->setFlag(NodeFlag::Expanded, true);
    select(links, {"A2"});
    commands.treeKeyDown(links, TreeKey::F5, {});
    EXPECT_EQ(outline(links), "A[A1 A2[A21] A2[A21]] B");
    TreeNode* copied = item(links, "A")->lastChild()->firstChild();
    EXPECT_EQ(links.focused(), copied);
    EXPECT_EQ(links.selection(), std::vector<TreeNode*>{copied});

    // Nothing selected: the clipboard's items go under the focused item's displayed ancestor.
    links.clearSelection();
    links.setFocused(item(links, "B"));
    commands.treeKeyDown(links, TreeKey::F5, {});
    EXPECT_EQ(outline(links), "A[A1 A2[A21] A2[A21]] B A2[A21]");
}

TEST_F(TreeCommandsTest, KeysNeedTheirModifiers) {
    ItemTree& phrases = tree(TreeId::PhrasesTree);
    const struct {
        TreeKey key;
        KeyModifiers modifiers;
        const char* expected;
    } cases[] = {
        {TreeKey::Up, {.alt = true}, "A C B"},
        {TreeKey::Up, {}, "A B C"},
        {TreeKey::Up, {.shift = true, .alt = true}, "A B C"},
        {TreeKey::Up, {.ctrl = true, .alt = true}, "A B C"},
        {TreeKey::Delete, {}, "A B"},
        {TreeKey::Delete, {.shift = true}, "A B"},
        {TreeKey::Delete, {.ctrl = true}, "A B C"},
        {TreeKey::Enter, {}, "A B C"},  // no Enter in the phrase tree
        {TreeKey::F5, {}, "A B C"},
        {TreeKey::Insert, {.shift = true}, "A B C[_]"},
    };
    for (const auto& row : cases) {
        build(phrases, "A B C");
        select(phrases, {"C"});
        phrases.setFocused(item(phrases, "C"));
        commands.treeKeyDown(phrases, row.key, row.modifiers);
        EXPECT_EQ(outline(phrases), row.expected) << static_cast<int>(row.key);
    }
}

TEST_F(TreeCommandsTest, CtrlXSoundsOnlyInGoalTrees) {
    for (TreeId name :
         {TreeId::DayGoalTree, TreeId::LinksTree, TreeId::ContactsTree, TreeId::PhrasesTree, TreeId::CalendarTree}) {
        ItemTree& items = tree(name);
        build(items, "A B");
        select(items, {"A"});
        commands.treeKeyDown(items, TreeKey::X, {.ctrl = true});
        EXPECT_EQ(items.pendingClipboard(), PendingClipboard::Cut) << name;
        items.setFocused(item(items, "B"));
        commands.treeKeyDown(items, TreeKey::V, {.shift = true, .ctrl = true});
        EXPECT_EQ(outline(items), "B[A]") << name;
    }
    EXPECT_EQ(fakes.sound.played, recycleCues(1));
}

TEST_F(TreeCommandsTest, InsertInContactsNeedsAFocusedItemAndOpensItsProperties) {
    ItemTree& contacts = tree(TreeId::ContactsTree);
    build(contacts, "A");
    commands.treeKeyDown(contacts, TreeKey::Insert, {});
    EXPECT_EQ(outline(contacts), "A");
    contacts.setFocused(item(contacts, "A"));
    commands.treeKeyDown(contacts, TreeKey::Insert, {});
    EXPECT_EQ(outline(contacts), "A[_]");
    EXPECT_EQ(edited, std::vector<std::string>{"ContactsTree:"});
}

TEST_F(TreeCommandsTest, NewLinksAndContactsOpenPropertiesThenRebuildTags) {
    view.linksPage = 2;
    build(tree(TreeId::FoldersTree), "F");
    tree(TreeId::FoldersTree).setFocused(item(tree(TreeId::FoldersTree), "F"));
    commands.run(kLinksPage, TreeOperation::NewChild);
    EXPECT_EQ(editedNode->record<LinkRecord>().kind, 1);
    commands.run(kLinksPage, TreeOperation::NewRoot);
    commands.run(kContactsPage, TreeOperation::NewRoot);
    EXPECT_EQ(edited,
              (std::vector<std::string>{"FoldersTree:", "FoldersTree:", "link tags", "ContactsTree:", "contact tags"}));
    EXPECT_EQ(outline(tree(TreeId::FoldersTree)), "F[_] _");
    EXPECT_EQ(view.activePage, kContactsPage);
}

TEST_F(TreeCommandsTest, PropertiesOfTheFirstSelectedItemOrTheNoSelectionMessage) {
    ItemTree& contacts = tree(TreeId::ContactsTree);
    build(contacts, "A B");
    commands.treeKeyDown(contacts, TreeKey::F2, {});
    commands.editFirstSelected(tree(TreeId::CalendarTree));
    contacts.setFocused(item(contacts, "B"));
    commands.treeKeyDown(contacts, TreeKey::F2, {});  // contacts take the focused item too
    select(tree(TreeId::DayGoalTree), {});
    commands.treeKeyDown(tree(TreeId::DayGoalTree), TreeKey::F2, {});
    EXPECT_EQ(fakes.ui.messages.size(), 3u);
    EXPECT_EQ(edited, std::vector<std::string>{"ContactsTree:B"});
}

}  // namespace
}  // namespace torvalet
