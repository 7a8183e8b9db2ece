#include <gtest/gtest.h>

#include "NavigationFixture.h"
#include "trees/ContactRecord.h"
#include "trees/LinkRecord.h"

namespace torvalet {
namespace {

using testing::build;
using testing::expandAll;
using testing::item;
using testing::outline;
using testing::rows;

class LetterTagsTest : public testing::NavigationFixture {
protected:
    // apple, Bank[Branch[Kiosk]], Bistro, 1st; kinds: Bank a company, Branch and Kiosk men.
    ItemTree& contacts() {
        ItemTree& tree = this->tree(TreeId::ContactsTree);
        build(tree, "apple Bank[Branch[Kiosk]] Bistro 1st");
        kind(tree, "Bank") = 3;
        kind(tree, "Branch") = 1;
        kind(tree, "Kiosk") = 1;
        return tree;
    }
    std::int32_t& kind(ItemTree& tree, const char* name) { return *kindField(*item(tree, name)); }
    ItemTree& marks() { return tree(TreeId::ContactTagsTree); }
};

TEST_F(LetterTagsTest, LetterTagsListNamesBeginningWithTheCapitalLetterInTreeOrder) {
    const struct {
        const char* letter;
        const char* tags;
    } cases[] = {
        {"b", "Bank Branch Bistro"}, {"B", "Bank Branch Bistro"}, {"a", ""}, {"k", "Kiosk"}, {"z", ""},
    };
    contacts();
    for (const auto& row : cases) {
        tags().buildLetterContactTags(row.letter);
        EXPECT_EQ(outline(marks()), row.tags) << row.letter;
        EXPECT_EQ(marks().focused(), marks().root()->lastChild()) << row.letter;  // the last one added
        EXPECT_TRUE(tags().sortMarkShown(marks()));
    }
    EXPECT_EQ(view.activePage, kContactsPage);
}

TEST_F(LetterTagsTest, GeneralTagsListTheTopLevelItemsWithTheirKinds) {
    ItemTree& tree = contacts();
    tags().buildGeneralContactTags();
    EXPECT_EQ(outline(marks()), "apple Bank Bistro 1st");  // not sorted by name
    EXPECT_EQ(item(marks(), "Bank")->record<TagRecord>().kind, 3);
    EXPECT_EQ(marks().focused(), marks().firstTopLevel());
    EXPECT_EQ(view.activePage, kTasksPage);  // the start-up build shows no page
    EXPECT_EQ(display.calls, (std::vector<std::string>{"repaint MarksTree"}));

    // "New Root Contact" rebuilds them.
    commands.run(kContactsPage, TreeOperation::NewRoot);
    *firstTextField(*tree.root()->lastChild()) = "Zoo";
    commands.run(kContactsPage, TreeOperation::NewRoot);
    EXPECT_EQ(outline(marks()), "apple Bank Bistro 1st Zoo _");
}

TEST_F(LetterTagsTest, LinkTagsComeFromTheFirstLinkTab) {
    ItemTree& links = tree(TreeId::LinksTree);
    build(links, "Mail[Mailbox] Maps News");
    *kindField(*item(links, "Mail")) = 5;
    build(tree(TreeId::ToolsTree), "Make");
    view.linksPage = 1;
    tags().buildLetterLinkTags("m");
    EXPECT_EQ(outline(tree(TreeId::LinkTagsTree)), "Mail Mailbox Maps");
    EXPECT_EQ(item(tree(TreeId::LinkTagsTree), "Mail")->record<TagRecord>().kind, 5);
    EXPECT_EQ(view.activePage, kLinksPage);
    tags().buildGeneralLinkTags();
    EXPECT_EQ(outline(tree(TreeId::LinkTagsTree)), "Mail Maps News");

    // A new root link in another tab leaves the tags as they were.
    commands.run(kLinksPage, TreeOperation::NewRoot);
    EXPECT_EQ(outline(tree(TreeId::LinkTagsTree)), "Mail Maps News");
}

TEST_F(LetterTagsTest, TypeTagsListTheKindAtAnyDepth) {
    contacts();
    tags().showContactsOfKind(1);
    EXPECT_EQ(outline(marks()), "Branch Kiosk");
    tags().showContactsOfKind(3);
    EXPECT_EQ(outline(marks()), "Bank");
    EXPECT_EQ(view.activePage, kContactsPage);
}

TEST_F(LetterTagsTest, JumpSelectsTheFirstItemOfTheTagsNameAndOpensItsBranch) {
    const struct {
        const char* name;
        const char* selectedTag;  // "" to leave the tags unselected
        const char* focusedTag;
        const char* found;  // "" for none
        const char* shown;
    } cases[] = {
        {"selected tag", "Branch", "Bistro", "Branch", "apple Bank[Branch[Kiosk]] Bistro Bistro"},
        {"the first of two", "Bistro", "Bistro", "Bistro", "apple Bank Bistro Bistro"},
        {"no selection: the focused tag", "", "Bank", "Bank", "apple Bank[Branch[Kiosk]] Bistro Bistro"},
        {"a name no longer there", "Gone", "Gone", "", "apple Bank Bistro Bistro"},
    };
    for (const auto& row : cases) {
        ItemTree& tree = contacts();
        item(tree, "1st")->record<ContactRecord>().official = "Bistro";
        build(marks(), "Bank Branch Bistro Gone");
        marks().setFocused(item(marks(), row.focusedTag));
        if (*row.selectedTag) marks().selectOnly(item(marks(), row.selectedTag));
        expandAll(tree);
        display.calls.clear();
        TreeNode* found = tags().jumpFrom(marks());
        EXPECT_EQ(rows(tree), row.shown) << row.name;
        EXPECT_EQ(display.calls.at(1), "focus ContactsTree") << row.name;
        if (*row.found) {
            ASSERT_TRUE(found) << row.name;
            EXPECT_EQ(found, item(tree, row.found)) << row.name;  // the first of that name
            EXPECT_EQ(tree.focused(), found);
            EXPECT_EQ(tree.selectedInTreeOrder(), std::vector<TreeNode*>{found});
        } else {
            EXPECT_EQ(found, nullptr) << row.name;
        }
    }
    // No tags: the contact tree only takes the focus.
    marks().clear();
    display.calls.clear();
    EXPECT_EQ(tags().jumpFromContactTag(), nullptr);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"repaint ContactsTree", "focus ContactsTree"}));
}

TEST_F(LetterTagsTest, JumpToAnItemTheNameFilterHidesEmptiesTheFilter) {
    ItemTree& tree = contacts();
    view.activePage = kContactsPage;
    tags().buildLetterContactTags("k");
    filters().editChanged(NavFamily::Contacts, "bistro");
    EXPECT_EQ(rows(tree), "Bistro");
    EXPECT_EQ(tags().jumpFromContactTag(), item(tree, "Kiosk"));
    EXPECT_EQ(rows(tree), "apple Bank[Branch[Kiosk]] Bistro 1st");
    EXPECT_FALSE(bar(NavFamily::Contacts).holdsText());
}

TEST_F(LetterTagsTest, LinkJumpShowsTheFirstLinkTab) {
    ItemTree& links = tree(TreeId::LinksTree);
    build(links, "News[Paper]");
    tags().buildLetterLinkTags("p");
    view.linksPage = 3;
    TreeNode* found = tags().jumpFromLinkTag();
    EXPECT_EQ(found, item(links, "Paper"));
    EXPECT_EQ(view.linksPage, 0);
    EXPECT_EQ(rows(links), "News[Paper]");
}

}  // namespace
}  // namespace torvalet
