#include "trees/TreeClipboard.h"

#include <unordered_set>

#include "platform/Clipboard.h"
#include "trees/TreeError.h"
#include "trees/TreeMoves.h"
#include "trees/TreeStreamReader.h"
#include "trees/TreeStreamWriter.h"

namespace torvalet {

bool TreeClipboard::cutSelected(ItemTree& tree) { return offer(tree, PendingClipboard::Cut); }

bool TreeClipboard::copySelected(ItemTree& tree) { return offer(tree, PendingClipboard::Copy); }

bool TreeClipboard::offer(ItemTree& tree, PendingClipboard pending) {
    if (tree.selectionCount() == 0) return false;
    std::vector<TreeNode*> items;
    for (TreeNode* node : tree.selection()) {
        if (!node->hasFlag(NodeFlag::Disabled)) items.push_back(node);
    }
    std::string chunks = TreeStreamWriter().writeNodes(tree, items);
    clipboard_.setTreeData(chunks);
    if (offer_) endPending(*offer_->source);
    endPending(tree);
    for (TreeNode* node : items) node->setFlag(NodeFlag::CutOrCopyMark, true);
    tree.setPendingClipboard(pending);
    offer_ = Offer{&tree, std::move(chunks)};
    return true;
}

TreeClipboard::Pasted TreeClipboard::paste(ItemTree& tree) {
    const std::optional<std::string> chunks = clipboard_.treeData();
    if (!chunks) throw TreeError::fromCode(TreeError::kClipboardFailed);
    if (!offer_ || offer_->chunks != *chunks || offer_->source->family() != tree.family()) return {};
    TreeNode* target = tree.focused() ? tree.focused() : tree.root();
    ItemTree& source = *offer_->source;
    if (source.pendingClipboard() == PendingClipboard::Cut) return pasteCut(source, tree, target);
    // The copied items as they are now: renamed ones with their new texts, deleted ones gone.
    const std::string current = TreeStreamWriter().writeNodes(source, markedNodes(source));
    Pasted pasted{TreeStreamReader().readNodes(tree, target, current)};
    for (TreeNode* item : pasted.items) tree.renewUids(item);
    return pasted;
}

TreeClipboard::Pasted TreeClipboard::pasteCut(ItemTree& source, ItemTree& tree, TreeNode* target) {
    const std::vector<TreeNode*> marked = markedNodes(source);
    const std::vector<TreeNode*> items = source.topmostInTreeOrder(marked);
    // The cut ends with this paste; what stays on the clipboard is no longer ours to paste.
    offer_.reset();
    if (&source != &tree) {
        Pasted pasted{TreeMoves::moveNodesTo(source, items, tree, target, NodePlace::LastChild), &source};
        source.setPendingClipboard(PendingClipboard::None);
        return pasted;
    }
    for (TreeNode* node : marked) node->setFlag(NodeFlag::CutOrCopyMark, false);
    tree.setPendingClipboard(PendingClipboard::None);
    return {moveWithinTree(tree, items, target), &tree};
}

// Moves the items as last children of the target, skipping the target itself and its
// ancestors (an item cannot go into its own subtree).
std::vector<TreeNode*> TreeClipboard::moveWithinTree(ItemTree& tree, std::span<TreeNode* const> items,
                                                     TreeNode* target) {
    std::unordered_set<const TreeNode*> holdsTarget;
    for (const TreeNode* n = target; n; n = n->parent()) holdsTarget.insert(n);
    std::vector<TreeNode*> moved;
    for (TreeNode* item : items) {
        if (holdsTarget.contains(item)) continue;
        tree.moveNode(item, target, NodePlace::LastChild);
        moved.push_back(item);
    }
    return moved;
}

std::vector<TreeNode*> TreeClipboard::markedNodes(const ItemTree& tree) {
    std::vector<TreeNode*> marked;
    tree.forEach([&](TreeNode* node) {
        if (node->hasFlag(NodeFlag::CutOrCopyMark)) marked.push_back(node);
    });
    return marked;
}

void TreeClipboard::endPending(ItemTree& tree) {
    if (tree.pendingClipboard() == PendingClipboard::None) return;
    tree.forEach([](TreeNode* node) { node->setFlag(NodeFlag::CutOrCopyMark, false); });
    tree.setPendingClipboard(PendingClipboard::None);
}

}  // namespace torvalet
