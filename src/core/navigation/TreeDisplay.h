#pragma once

#include "trees/TreeObserver.h"

namespace torvalet {

// What the navigation tells the window that shows the trees, beyond what every tree command
// tells it. Calls come when a command has finished changing the trees, in this order:
// treeChanged for every tree it changed, then focusTree, then scrollToCentre. Nothing by default
// (the companion, most tests).
class TreeDisplay : public TreeObserver {
public:
    // The tree takes the keyboard focus (its page and tab are the current ones by now).
    virtual void focusTree(ItemTree&) {}
    // The node, whose ancestors are all expanded, is scrolled into view and centred.
    virtual void scrollToCentre(ItemTree&, const TreeNode&) {}

protected:
    TreeDisplay() = default;
    TreeDisplay(const TreeDisplay&) = default;
    TreeDisplay& operator=(const TreeDisplay&) = default;
};

}  // namespace torvalet
