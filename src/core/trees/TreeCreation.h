#pragma once

#include <cstdint>

#include "trees/ItemTree.h"

namespace torvalet {

// Creating items at a given place of an item tree.
class TreeCreation {
public:
    // Creates one node at the place relative to the focused item and returns it. Without a
    // focused item, Before and FirstChild make the first top-level item, After and LastChild the
    // last one. Focus and selection do not change.
    static TreeNode* addNode(ItemTree& tree, NodePlace place);
    // Creates a new last top-level item and returns it; focus and selection do not change.
    static TreeNode* addTopLevelNode(ItemTree& tree);

    // A new last child of `parent` (a new last top-level item for null), focused, with its
    // record's kind field set to `kind`. One per record family; events and contacts get a
    // UID at once (an item another calendar or address book may come to hold).
    static TreeNode* createItem(ItemTree& tree, TreeNode* parent, std::int32_t kind);
    static TreeNode* createLink(ItemTree& tree, TreeNode* parent, std::int32_t kind);
    static TreeNode* createContact(ItemTree& tree, TreeNode* parent, std::int32_t kind);
    static TreeNode* createPhrase(ItemTree& tree, TreeNode* parent, std::int32_t kind);
    static TreeNode* createEvent(ItemTree& tree, TreeNode* parent, std::int32_t kind);

    // The focused and only selected node becomes `node` (none for null or the root).
    static void focusOnly(ItemTree& tree, TreeNode* node);
    // A new item is shown whatever hides its place: it and its ancestors become visible (a name
    // filter in force lets it through) and its ancestors open. Nothing for null or the root.
    static void reveal(TreeNode* node);
};

}  // namespace torvalet
