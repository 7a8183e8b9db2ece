#pragma once

#include <cstdint>
#include <string_view>

namespace torvalet {

class ItemTree;
class NavigationContext;
class TreeLevels;
class TreeNode;

// The letter-tag lists beside the contact tree (ContactTagsTree) and the link trees (LinkTagsTree,
// built from LinksTree, the first link tab). A tag is a flat copy of an item's name and kind;
// the lists are rebuilt on demand and never stored. Tags keep the order of their source tree.
class LetterTags {
public:
    LetterTags(NavigationContext& context, TreeLevels& levels) : context_(context), levels_(levels) {}

    // General tags: one per top-level item, the first tag focused.
    void buildGeneralContactTags();
    void buildGeneralLinkTags();
    // Letter tags: one per item, at any depth, whose name begins with the letter in upper case
    // (a case-sensitive test, so lower-case names, digits and blanks get none). They show the
    // Contacts or the Links page.
    void buildLetterContactTags(std::string_view letter);
    void buildLetterLinkTags(std::string_view letter);
    // Type tags: the contacts of the kind (1 men, 2 women, 3 companies) at any depth.
    void buildContactKindTags(std::int32_t kind);

    // The menu items and the "!" buttons: the page, then the general tags.
    void showGeneralContactTags();
    void showGeneralLinkTags();
    // "Show Men", "Show Women", "Show Companies": the Contacts page, then the type tags.
    void showContactsOfKind(std::int32_t kind);

    // Double click or Enter on a tag list: the source tree collapses, and its first item named
    // as the first selected tag (the focused tag when none is selected) becomes the focused and
    // only selected item, with its own branch expanded, scrolled into view with its path open;
    // a name filter that hid it is emptied and every item shown again. The source tree takes the
    // focus. Returns the item, or null.
    TreeNode* jumpFromContactTag();
    TreeNode* jumpFromLinkTag();
    // Double click or Enter on one of the two tag lists.
    TreeNode* jumpFrom(ItemTree& tagTree);

    // Whether the tag list's header shows the ascending sort mark (set by every build).
    bool sortMarkShown(const ItemTree& tagTree) const;

    // The tag list of the contacts or of the links.
    bool isTagList(const ItemTree& tree) const;

private:
    ItemTree& contactTags();
    ItemTree& linkTags();
    ItemTree& linksTree();
    // Rebuilds the tags from the source items the test keeps, in tree order.
    template <class Keep>
    void build(ItemTree& tags, ItemTree& source, Keep&& keep);
    void markSorted(ItemTree& tags);
    TreeNode* jump(ItemTree& tags, ItemTree& source);

    NavigationContext& context_;
    TreeLevels& levels_;
    bool contactsSorted_ = false;
    bool linksSorted_ = false;
};

}  // namespace torvalet
