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

TreeNode* TreeCreation::AddNodeTo(ItemTree& tree, NodePlace place) { return tree.insertNode(tree.focused(), place); }

TreeNode* TreeCreation::AddTopLevelNode(ItemTree& tree) { return tree.insertNode(nullptr, NodePlace::LastChild); }

TreeNode* TreeCreation::CreateNewItem(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    return createNew(tree, parent, kind);
}

TreeNode* TreeCreation::CreateNewLink(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    return createNew(tree, parent, kind);
}

TreeNode* TreeCreation::CreateNewContact(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    return createNew(tree, parent, kind);
}

TreeNode* TreeCreation::CreateNewPhrase(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    return createNew(tree, parent, kind);
}

TreeNode* TreeCreation::CreateNewEvent(ItemTree& tree, TreeNode* parent, std::int32_t kind) {
    return createNew(tree, parent, kind);
}

void TreeCreation::focusOnly(ItemTree& tree, TreeNode* node) {
    tree.setFocused(node);
    tree.selectOnly(node);
}

}  // namespace torvalet
