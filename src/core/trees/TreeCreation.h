#pragma once

#include <cstdint>

#include "trees/ItemTree.h"

namespace torvalet {

// Creating items at a given place of an item tree.
class TreeCreation {
public:
    // Creates one node and returns it. where = 0: a new last top-level item; 1: just before the
    // focused item; 2: just after it; 3: a new last child of it. Without a focused item, 1 makes
    // the first top-level item, 2 and 3 the last one. Any other value creates nothing (nullptr).
    // Focus and selection do not change.
    static TreeNode* AddNodeTo(ItemTree& tree, int where);

    // A new last child of `parent` (a new last top-level item for null), focused, with its
    // record's kind field set to `kind`. One per record family; they differ in name only.
    static TreeNode* CreateNewItem(ItemTree& tree, TreeNode* parent, std::int32_t kind);
    static TreeNode* CreateNewLink(ItemTree& tree, TreeNode* parent, std::int32_t kind);
    static TreeNode* CreateNewContact(ItemTree& tree, TreeNode* parent, std::int32_t kind);
    static TreeNode* CreateNewPhrase(ItemTree& tree, TreeNode* parent, std::int32_t kind);
    static TreeNode* CreateNewEvent(ItemTree& tree, TreeNode* parent, std::int32_t kind);

    // The focused and only selected node becomes `node` (none for null or the root).
    static void focusOnly(ItemTree& tree, TreeNode* node);
};

}  // namespace torvalet
