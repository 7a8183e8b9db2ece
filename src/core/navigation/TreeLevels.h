#pragma once

#include "navigation/FilterBars.h"

namespace torvalet {

class ItemTree;
class NavigationContext;
class TreeNode;

// Levels, expanding and collapsing: what the level and expand submenus of the Goals, Links and
// Contacts menus, the small buttons beside each tree and the key C do. Hidden nodes (Visible
// flag cleared) take no rows with their subtrees; a collapsed node (Expanded cleared) shows its
// own row but not its children. Every operation repaints its tree once, at its end.
class TreeLevels {
public:
    explicit TreeLevels(NavigationContext& context) : context_(context) {}

    // Shows the nodes of depth at most `level` (top-level items have depth 0) and hides the
    // deeper ones. Expanded flags stay as they are.
    void showLevel(ItemTree& tree, int level);
    // Every node visible; showAllItems is the same.
    void showAllLevels(ItemTree& tree);
    void showAllItems(ItemTree& tree);
    // Expands one node.
    void expandNode(ItemTree& tree, TreeNode* node);
    // Collapses the first selected node, if any.
    void collapseFirstSelected(ItemTree& tree);
    // Expands the first selected node and every node below it; nothing without a selection.
    void expandBranch(ItemTree& tree);
    void expandAll(ItemTree& tree);
    void collapseAll(ItemTree& tree);
    // Everything collapsed and shown, the family's filter bar emptied, and the first selected
    // (else focused) item expanded and scrolled into view with its path open.
    void collapseAllButSelected(ItemTree& tree);
    // The first (last) item in view becomes the focused and only selected item, centred.
    void gotoFirstVisibleItem(ItemTree& tree);
    void gotoLastVisibleItem(ItemTree& tree);
    // The tree takes the focus when it is shown, and its first selected (else focused) item
    // is scrolled into view, centred, with its collapsed ancestors opened.
    void revealFirstSelected(ItemTree& tree);

    // --- The menu commands of a family (on its active tree); those that name a page show it ---
    // "Goals Level 1" ... "Goals Level 9" with level 0 ... 8, and the same for links and contacts.
    void showLevelOf(NavFamily family, int level);
    void showAllLevelsOf(NavFamily family);
    // "Expand Node": expandGoalNode, expandLinkNode, expandContactNode.
    void expandNodeOf(NavFamily family);
    void expandGoalNode() { expandNodeOf(NavFamily::Goals); }
    void expandLinkNode() { expandNodeOf(NavFamily::Links); }
    void expandContactNode() { expandNodeOf(NavFamily::Contacts); }
    // "Collapse Goal Node", "Collapse Link Node", "Collapse Contact Node".
    void collapseNodeOf(NavFamily family);
    // "Expand All Goals" / "Collapse All Goals" and the same for links and contacts.
    void expandAllOf(NavFamily family);
    void collapseAllOf(NavFamily family);

    // The first and last node in view: visible, and not inside a collapsed or hidden branch.
    static TreeNode* firstVisibleNode(const ItemTree& tree);
    static TreeNode* lastVisibleNode(const ItemTree& tree);
    // Every ancestor of the node below the root becomes expanded and visible.
    static void openPath(TreeNode* node);

private:
    // The family's tree after showing its page; null when the link tabs show no tree.
    ItemTree* onPage(NavFamily family);
    void gotoNode(ItemTree& tree, TreeNode* node);

    NavigationContext& context_;
};

}  // namespace torvalet
