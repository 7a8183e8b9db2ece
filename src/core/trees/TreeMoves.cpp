#include "trees/TreeMoves.h"

#include <algorithm>
#include <stdexcept>

#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {

namespace {

// The parent as the move operation takes it: none for a top-level item.
TreeNode* parentItem(const TreeNode* node) {
    TreeNode* parent = node->parent();
    return parent && !parent->isRoot() ? parent : nullptr;
}

void moveEach(ItemTree& tree, std::span<TreeNode* const> nodes, TreeNode* target, NodePlace place) {
    for (TreeNode* node : nodes) tree.moveNode(node, target, place);
}

// Writes the nodes once and reads them into `target` as new top-level items, in order.
std::vector<TreeNode*> transfer(ItemTree& source, std::span<TreeNode* const> nodes, ItemTree& target) {
    if (source.family() != target.family())
        throw std::logic_error("tree items cannot travel between trees of different record families");
    const std::string chunks = TreeStreamWriter().writeNodes(source, nodes);
    return TreeStreamReader().readNodes(target, nullptr, chunks);
}

}  // namespace

bool TreeMoves::moveRight(ItemTree& tree) {
    const std::vector<TreeNode*> items = tree.sortedSelection();
    if (items.empty()) return false;
    TreeNode* target = items.front()->previousSibling();
    moveEach(tree, items, target, NodePlace::LastChild);
    if (target) target->setFlag(NodeFlag::Expanded, true);
    return true;
}

bool TreeMoves::moveLeft(ItemTree& tree) {
    std::vector<TreeNode*> items = tree.sortedSelection();
    if (items.empty()) return false;
    TreeNode* target = parentItem(items.front());
    std::ranges::reverse(items);
    moveEach(tree, items, target, NodePlace::After);
    return true;
}

bool TreeMoves::moveUp(ItemTree& tree) {
    const std::vector<TreeNode*> items = tree.sortedSelection();
    if (items.empty()) return false;
    moveEach(tree, items, items.front()->previousSibling(), NodePlace::Before);
    return true;
}

bool TreeMoves::moveDown(ItemTree& tree) {
    const std::vector<TreeNode*> items = tree.sortedSelection();
    if (items.empty()) return false;
    moveEach(tree, items, items.front()->nextSibling(), NodePlace::After);
    return true;
}

std::vector<TreeNode*> TreeMoves::moveNodesTo(ItemTree& source, std::span<TreeNode* const> nodes, ItemTree& target,
                                              TreeNode* targetNode, NodePlace place) {
    if (&source == &target) {
        std::vector<TreeNode*> moved;
        for (TreeNode* node : nodes) {
            target.moveNode(node, targetNode, place);
            moved.push_back(node);
        }
        return moved;
    }
    std::vector<TreeNode*> arrived = transfer(source, nodes, target);
    moveEach(target, arrived, targetNode, place);
    for (TreeNode* node : nodes) source.deleteNode(node);
    return arrived;
}

std::vector<TreeNode*> TreeMoves::copyNodesTo(ItemTree& source, std::span<TreeNode* const> nodes, ItemTree& target,
                                              TreeNode* targetNode, NodePlace place) {
    std::vector<TreeNode*> copies = transfer(source, nodes, target);
    for (TreeNode* copy : copies) target.renewUids(copy);
    moveEach(target, copies, targetNode, place);
    return copies;
}

}  // namespace torvalet
