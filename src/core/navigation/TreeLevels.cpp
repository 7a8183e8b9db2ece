#include "navigation/TreeLevels.h"

#include "navigation/NavigationContext.h"
#include "trees/ItemTree.h"
#include "trees/TreeCommands.h"

namespace torvalet {

namespace {

bool visible(const TreeNode* node) { return node->hasFlag(NodeFlag::Visible); }
bool expanded(const TreeNode* node) { return node->hasFlag(NodeFlag::Expanded); }

TreeNode* firstVisibleChild(const TreeNode* parent) {
    for (TreeNode* child = parent->firstChild(); child; child = child->nextSibling())
        if (visible(child)) return child;
    return nullptr;
}

TreeNode* lastVisibleChild(const TreeNode* parent) {
    for (TreeNode* child = parent->lastChild(); child; child = child->previousSibling())
        if (visible(child)) return child;
    return nullptr;
}

// Shown on the screen: visible, under visible and expanded ancestors.
bool inView(const TreeNode* node) {
    if (!visible(node)) return false;
    for (const TreeNode* up = node->parent(); up && !up->isRoot(); up = up->parent())
        if (!visible(up) || !expanded(up)) return false;
    return true;
}

void setAll(ItemTree& tree, std::uint16_t flag, bool on) {
    tree.forEach([flag, on](TreeNode* node) { node->setFlag(flag, on); });
}

}  // namespace

void TreeLevels::showLevel(ItemTree& tree, int level) {
    UpdateBracket bracket(context_, tree);
    // Depth follows the walk: one deeper at a first child, back up by the levels closed.
    int depth = 0;
    TreeNode* previous = nullptr;
    tree.forEach([&](TreeNode* node) {
        if (previous) {
            if (node->parent() == previous) {
                ++depth;
            } else {
                for (const TreeNode* up = previous->parent(); up != node->parent(); up = up->parent()) --depth;
            }
        }
        node->setFlag(NodeFlag::Visible, depth <= level);
        previous = node;
    });
}

void TreeLevels::showAllLevels(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    setAll(tree, NodeFlag::Visible, true);
}

void TreeLevels::showAllItems(ItemTree& tree) { showAllLevels(tree); }

void TreeLevels::expandNode(ItemTree& tree, TreeNode* node) {
    UpdateBracket bracket(context_, tree);
    if (node && !node->isRoot()) node->setFlag(NodeFlag::Expanded, true);
}

void TreeLevels::collapseFirstSelected(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    if (TreeNode* first = tree.firstSelected()) first->setFlag(NodeFlag::Expanded, false);
}

void TreeLevels::expandBranch(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    TreeNode* first = tree.firstSelected();
    if (!first) return;
    ItemTree::forEachInSubtree(first, [](TreeNode* node) { node->setFlag(NodeFlag::Expanded, true); });
}

void TreeLevels::expandAll(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    setAll(tree, NodeFlag::Expanded, true);
}

void TreeLevels::collapseAll(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    setAll(tree, NodeFlag::Expanded, false);
}

void TreeLevels::collapseAllButSelected(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    showAllItems(tree);
    NavFamily family;
    if (NavigationContext::familyOf(tree, family)) context_.bars().of(family).clear();
    TreeNode* node = TreeCommands::firstNode(tree);
    collapseAll(tree);
    if (!node->isRoot()) node->setFlag(NodeFlag::Expanded, true);
    revealFirstSelected(tree);
}

void TreeLevels::revealFirstSelected(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    if (!context_.isShown(tree)) return;
    context_.requestFocus(tree);
    TreeNode* node = TreeCommands::firstNode(tree);
    if (node->isRoot()) return;
    openPath(node);
    if (inView(node)) context_.requestScroll(tree, node);
}

void TreeLevels::openPath(TreeNode* node) {
    for (TreeNode* up = node->parent(); up && !up->isRoot(); up = up->parent()) up->setFlag(NodeFlag::Expanded, true);
}

TreeNode* TreeLevels::firstVisibleNode(const ItemTree& tree) { return firstVisibleChild(tree.root()); }

TreeNode* TreeLevels::lastVisibleNode(const ItemTree& tree) {
    TreeNode* node = lastVisibleChild(tree.root());
    while (node && expanded(node)) {
        TreeNode* child = lastVisibleChild(node);
        if (!child) break;
        node = child;
    }
    return node;
}

void TreeLevels::gotoFirstVisibleItem(ItemTree& tree) { gotoNode(tree, firstVisibleNode(tree)); }

void TreeLevels::gotoLastVisibleItem(ItemTree& tree) { gotoNode(tree, lastVisibleNode(tree)); }

void TreeLevels::gotoNode(ItemTree& tree, TreeNode* node) {
    UpdateBracket bracket(context_, tree);
    if (context_.isShown(tree)) context_.requestFocus(tree);
    if (!node) return;
    tree.setFocused(node);
    tree.selectOnly(node);
    context_.requestScroll(tree, node);
}

// --- Menu commands ---

ItemTree* TreeLevels::onPage(NavFamily family) {
    context_.switchTab(NavigationContext::pageOf(family));
    return context_.treeOf(family);
}

void TreeLevels::showLevelOf(NavFamily family, int level) {
    if (ItemTree* tree = onPage(family)) showLevel(*tree, level);
}

void TreeLevels::showAllLevelsOf(NavFamily family) {
    if (ItemTree* tree = onPage(family)) showAllLevels(*tree);
}

void TreeLevels::expandNodeOf(NavFamily family) {
    if (ItemTree* tree = onPage(family)) expandBranch(*tree);
}

void TreeLevels::collapseNodeOf(NavFamily family) {
    if (ItemTree* tree = context_.treeOf(family)) collapseFirstSelected(*tree);
}

void TreeLevels::expandAllOf(NavFamily family) {
    if (ItemTree* tree = onPage(family)) expandAll(*tree);
}

void TreeLevels::collapseAllOf(NavFamily family) {
    if (ItemTree* tree = onPage(family)) collapseAll(*tree);
}

}  // namespace torvalet
