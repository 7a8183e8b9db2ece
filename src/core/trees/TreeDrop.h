#pragma once

#include <vector>

#include "trees/ItemTree.h"

namespace torvalet {

// Where the items of a drop go relative to the item under the mouse.
enum class DropPosition { Nowhere, Above, On, Below };

// What a drop does with the dragged items; a link moves them as a move does.
enum class DropEffect { Copy, Move, Link };

// The modifier keys held at a key press or a drop.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Dropping dragged tree items onto an item tree.
class TreeDrop {
public:
    // Alt, or Alt with Ctrl: link; Ctrl alone: copy; any other combination: move; no key: move
    // within one tree and copy from another.
    static DropEffect dropEffect(KeyModifiers keys, bool sourceIsTarget);
    // Whether `target` takes items dragged from `source`: both of one record family, and not a
    // letter-tag list (those are rebuilt from their link or contact tree and never saved).
    static bool acceptsDrop(const ItemTree& target, const ItemTree& source);

    // Handles a drop on `target` at `dropNode` (the first top-level item for null) of the sorted
    // selection of `source`, the tree the drag started in (null: data from another program,
    // ignored). Above places just before the drop node, On as its last child, Below just after
    // it, Nowhere nowhere. A copy places each copy just before the drop node whatever the
    // position; a move or link moves each item in turn (TreeMoves::moveNodesTo), so several
    // items dropped below an item arrive in reverse order. Returns the items placed, nothing for
    // an ignored or refused drop.
    static std::vector<TreeNode*> drop(ItemTree& target, TreeNode* dropNode, ItemTree* source, DropPosition position,
                                       KeyModifiers keys);
};

}  // namespace torvalet
