#pragma once

#include <span>
#include <vector>

#include "trees/ItemTree.h"

namespace torvalet {

// Moving items one step in four directions, and moving or copying items to a place in the same
// or another tree of their family.
class TreeMoves {
public:
    // Each moves the tree's sorted selection one step and keeps it selected; false when nothing
    // is selected. The target comes from the first selected item; with none (no previous or
    // next sibling, or a top-level item moved left) every item becomes the first top-level item.
    // Right: into the previous sibling as its last child, which is then expanded. Left: just
    // after the parent, the items taken last to first. Up: just before the previous sibling.
    // Down: just after the next sibling, so several items arrive there in reverse order.
    // Throws TreeError 2001 where a move would put an item inside its own subtree; the items
    // moved before stay moved.
    static bool moveRight(ItemTree& tree);
    static bool moveLeft(ItemTree& tree);
    static bool moveUp(ItemTree& tree);
    static bool moveDown(ItemTree& tree);

    // Moves the nodes of `source` (in tree order, none inside another's subtree) one by one to
    // the place relative to `targetNode` of `target` (first top-level item for null), with the
    // tree's move operation. Within one tree the nodes themselves move (TreeError 2001 as
    // above). Into another tree of the same family each travels as a node chunk and leaves the
    // source. Returns the nodes now in `target`.
    static std::vector<TreeNode*> moveNodesTo(ItemTree& source, std::span<TreeNode* const> nodes, ItemTree& target,
                                              TreeNode* targetNode, NodePlace place);
    // Copies the nodes with their subtrees and records as node chunks to the place relative to
    // `targetNode` of `target`, one after the other, and returns the copies. A copy that has a
    // UID gets a new one; moved nodes keep theirs, also into another tree.
    static std::vector<TreeNode*> copyNodesTo(ItemTree& source, std::span<TreeNode* const> nodes, ItemTree& target,
                                              TreeNode* targetNode, NodePlace place);
};

}  // namespace torvalet
