#include "trees/TreeCreation.h"

#include "trees/RecordFields.h"

namespace torvalet {

namespace {

TreeNode* createNew(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    TreeNode* node = tree.appendChild(parent);
    tree.setFocused(node);
    if (std::int32_t* field = kindField(*node)) *field = kind;
    return node;
}

}  // namespace

TreeNode* TreeCreation::addNode(ItemTree& tree, NodePlace place) { return tree.insertNode(tree.focused(), place); }

TreeNode* TreeCreation::addTopLevelNode(ItemTree& tree) { return tree.insertNode(nullptr, NodePlace::LastChild); }

TreeNode* TreeCreation::createItem(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    return createNew(tree, parent, kind);
}

TreeNode* TreeCreation::createLink(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    return createNew(tree, parent, kind);
}

TreeNode* TreeCreation::createContact(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    TreeNode* node = createNew(tree, parent, kind);
    tree.uidOf(node);
    return node;
}

TreeNode* TreeCreation::createPhrase(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    return createNew(tree, parent, kind);
}

TreeNode* TreeCreation::createEvent(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    TreeNode* node = createNew(tree, parent, kind);
    tree.uidOf(node);
    return node;
}

void TreeCreation::focusOnly(ItemTree& tree, TreeNode* node) {
    tree.setFocused(node);
    tree.selectOnly(node);
}

void TreeCreation::reveal(TreeNode* node) {
    if (!node || node->isRoot()) return;
    node->setFlag(NodeFlag::Visible, true);
    for (TreeNode* up = node->parent(); up && !up->isRoot(); up = up->parent())
        up->setFlag(NodeFlag::Visible | NodeFlag::Expanded, true);
}

}  // namespace torvalet
