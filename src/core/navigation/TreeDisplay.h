#pragma once

namespace torvalet {

class ItemTree;
class TreeNode;

// What the navigation needs from the window that shows the trees. The window implements it and
// hands it to Navigation::setDisplay; without one (the companion, most tests) nothing is shown.
// Calls come when a command has finished changing the trees, in this order: treeChanged for
// every tree it changed, then focusTree, then scrollToCentre.
class TreeDisplay {
public:
    virtual ~TreeDisplay() = default;
    // The tree's items, their visible or expanded flags, the focus or the selection changed.
    virtual void treeChanged(ItemTree& tree) = 0;
    // The tree takes the keyboard focus (its page and tab are the current ones by now).
    virtual void focusTree(ItemTree& tree) = 0;
    // The node, whose ancestors are all expanded, is scrolled into view and centred.
    virtual void scrollToCentre(ItemTree& tree, const TreeNode& node) = 0;
};

}  // namespace torvalet
