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

void TreeLevels::ShowLevel(ItemTree& tree, int level) {
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

void TreeLevels::ShowAllLevels(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    setAll(tree, NodeFlag::Visible, true);
}

void TreeLevels::ItemsShowAll(ItemTree& tree) { ShowAllLevels(tree); }

void TreeLevels::ExpandNodes(ItemTree& tree, TreeNode* node) {
    UpdateBracket bracket(context_, tree);
    if (node && !node->isRoot()) node->setFlag(NodeFlag::Expanded, true);
}

void TreeLevels::CollapseNode(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    if (TreeNode* first = tree.firstSelected()) first->setFlag(NodeFlag::Expanded, false);
}

void TreeLevels::expandBranch(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    TreeNode* first = tree.firstSelected();
    if (!first) return;
    ItemTree::forEachInSubtree(first, [](TreeNode* node) { node->setFlag(NodeFlag::Expanded, true); });
}

void TreeLevels::FullExpand(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    setAll(tree, NodeFlag::Expanded, true);
}

void TreeLevels::FullCollapse(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    setAll(tree, NodeFlag::Expanded, false);
}

void TreeLevels::CollapseAllButSelected(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    ItemsShowAll(tree);
    NavFamily family;
    if (NavigationContext::familyOf(tree, family)) context_.bars().of(family).clear();
    TreeNode* node = TreeCommands::GetFirstNode(tree);
    FullCollapse(tree);
    if (!node->isRoot()) node->setFlag(NodeFlag::Expanded, true);
    SetTreeView(tree);
}

void TreeLevels::SetTreeView(ItemTree& tree) {
    UpdateBracket bracket(context_, tree);
    if (!context_.isShown(tree)) return;
    context_.requestFocus(tree);
    TreeNode* node = TreeCommands::GetFirstNode(tree);
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

void TreeLevels::GotoFirstVisibleItem(ItemTree& tree) { gotoNode(tree, firstVisibleNode(tree)); }

void TreeLevels::GotoLastVisibleItem(ItemTree& tree) { gotoNode(tree, lastVisibleNode(tree)); }

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
    context_.SwitchTab(NavigationContext::pageOf(family));
    return context_.treeOf(family);
}

void TreeLevels::levelClick(NavFamily family, int level) {
    if (ItemTree* tree = onPage(family)) ShowLevel(*tree, level);
}

void TreeLevels::showAllLevelsClick(NavFamily family) {
    if (ItemTree* tree = onPage(family)) ShowAllLevels(*tree);
}

void TreeLevels::expandNodeClick(NavFamily family) {
    if (ItemTree* tree = onPage(family)) expandBranch(*tree);
}

void TreeLevels::collapseNodeClick(NavFamily family) {
    if (ItemTree* tree = context_.treeOf(family)) CollapseNode(*tree);
}

void TreeLevels::expandAllClick(NavFamily family) {
    if (ItemTree* tree = onPage(family)) FullExpand(*tree);
}

void TreeLevels::collapseAllClick(NavFamily family) {
    if (ItemTree* tree = onPage(family)) FullCollapse(*tree);
}

}  // namespace torvalet
