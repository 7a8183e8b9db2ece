#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "trees/ItemTree.h"

namespace torvalet {

// Gathering the selected items of a goal, link or contact tree under a new group item.
class TreeGrouping {
public:
    static constexpr std::size_t kGroupTextLength = 40;

    // Each inserts a new item just before the first selected item (the first top-level item when
    // nothing is selected), moves every item of the sorted selection, in order, into it as its
    // last child, names it after them (groupText) and makes it a group: goal type 0 and
    // priority 0, link kind 5, contact type 4. Returns the group item. Throws std::logic_error
    // for a tree of another record family.
    static TreeNode* groupSelectedGoals(ItemTree& tree);
    static TreeNode* groupSelectedLinks(ItemTree& tree);
    static TreeNode* groupSelectedContacts(ItemTree& tree);

    // The first text fields of the items, each followed by one space, cut to their first 40
    // characters.
    static std::string groupText(std::span<TreeNode* const> items);
};

}  // namespace torvalet
