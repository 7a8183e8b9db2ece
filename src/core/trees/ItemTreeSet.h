#pragma once

#include <span>
#include <vector>

#include "trees/ItemTree.h"
#include "trees/TreeId.h"

namespace torvalet {

// The sixteen item trees of the program (TreeId), each created with its record family, one
// empty top-level item and a node height of 20: five goal trees, six link trees, contacts,
// calendar, phrases and the two letter-tag lists.
class ItemTreeSet {
public:
    ItemTreeSet();

    ItemTree& get(TreeId id) { return trees_[indexOf(id)]; }
    const ItemTree& get(TreeId id) const { return trees_[indexOf(id)]; }

    // All sixteen, in TreeId order.
    std::span<ItemTree> all() { return trees_; }
    std::span<const ItemTree> all() const { return trees_; }

private:
    std::vector<ItemTree> trees_;
};

}  // namespace torvalet
