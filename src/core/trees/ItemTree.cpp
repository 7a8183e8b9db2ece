#include "trees/ItemTree.h"

#include <algorithm>
#include <utility>

#include "trees/TreeError.h"
#include "trees/TreeTable.h"

namespace torvalet {

ItemTree::ItemTree(std::string name, RecordFamily family, bool multiSelect, std::uint16_t defaultHeight)
    : name_(std::move(name)),
      family_(family),
      multiSelect_(multiSelect),
      defaultHeight_(defaultHeight),
      root_(TreeNode::create(RecordFamily::None, defaultHeight, false)) {}

ItemTree::ItemTree(TreeId id, std::uint16_t defaultHeight)
    : ItemTree(std::string(treeInfo(id).name), treeInfo(id).family, treeInfo(id).multiSelect, defaultHeight) {
    id_ = id;
}

ItemTree::~ItemTree() { release(); }

ItemTree::ItemTree(ItemTree&& other) noexcept
    : name_(std::move(other.name_)),
      id_(other.id_),
      family_(other.family_),
      multiSelect_(other.multiSelect_),
      defaultHeight_(other.defaultHeight_),
      root_(std::exchange(other.root_, nullptr)),
      nodeCount_(std::exchange(other.nodeCount_, 0)),
      focused_(std::exchange(other.focused_, nullptr)),
      selection_(std::move(other.selection_)),
      pending_(other.pending_),
      identities_(std::move(other.identities_)) {
    other.selection_.clear();
    other.identities_.clear();
}

ItemTree& ItemTree::operator=(ItemTree&& other) noexcept {
    if (this != &other) {
        release();
        name_ = std::move(other.name_);
        id_ = other.id_;
        family_ = other.family_;
        multiSelect_ = other.multiSelect_;
        defaultHeight_ = other.defaultHeight_;
        root_ = std::exchange(other.root_, nullptr);
        nodeCount_ = std::exchange(other.nodeCount_, 0);
        focused_ = std::exchange(other.focused_, nullptr);
        selection_ = std::move(other.selection_);
        other.selection_.clear();
        pending_ = other.pending_;
        identities_ = std::move(other.identities_);
        other.identities_.clear();
        ++structureVersion_;
    }
    return *this;
}

void ItemTree::release() {
    if (!root_) return;
    destroySubtree(root_);
    TreeNode::destroy(std::exchange(root_, nullptr));
}

const NodeIdentity* ItemTree::identity(const TreeNode* node) const {
    if (identities_.empty()) return nullptr;
    const auto found = identities_.find(node);
    return found == identities_.end() ? nullptr : &found->second;
}

void ItemTree::setIdentity(TreeNode* node, NodeIdentity identity) {
    if (!node || node == root_) return;
    if (identity.empty()) {
        identities_.erase(node);
        return;
    }
    identities_.insert_or_assign(node, std::move(identity));
}

const std::string& ItemTree::uidOf(TreeNode* node) {
    static const std::string none;
    if (!node || node == root_) return none;
    NodeIdentity& identity = identities_[node];
    if (identity.uid.empty()) identity.uid = newUid();
    return identity.uid;
}

void ItemTree::renewUids(TreeNode* top) {
    if (identities_.empty() || !top) return;
    forEachInSubtree(top, [&](TreeNode* node) {
        const auto found = identities_.find(node);
        if (found != identities_.end() && !found->second.uid.empty()) found->second.uid = newUid();
    });
}

TreeNode* ItemTree::insertNode(TreeNode* target, NodePlace place, bool withRecord) {
    TreeNode* node = TreeNode::create(family_, defaultHeight_, withRecord);
    link(node, target ? target : root_, place);
    ++nodeCount_;
    return node;
}

void ItemTree::deleteNode(TreeNode* node) {
    if (!node) return;
    if (node == root_) {
        while (root_->firstChild_) deleteNode(root_->firstChild_);
        return;
    }
    unlink(node);
    destroySubtree(node);
}

void ItemTree::clear() {
    clearSelection();
    focused_ = nullptr;
    pending_ = PendingClipboard::None;
    deleteNode(root_);
}

void ItemTree::moveNode(TreeNode* node, TreeNode* target, NodePlace place) {
    if (!node || node == root_) return;
    if (node == target && (place == NodePlace::Before || place == NodePlace::After)) return;
    if (!target) {
        target = root_;
        place = NodePlace::FirstChild;
    }
    if (target == node || isAncestor(node, target)) throw TreeError::fromCode(TreeError::kTargetInsideMovedNode);
    unlink(node);
    link(node, target, place);
}

void ItemTree::link(TreeNode* node, TreeNode* target, NodePlace place) {
    if (target == root_) {
        if (place == NodePlace::Before) place = NodePlace::FirstChild;
        if (place == NodePlace::After) place = NodePlace::LastChild;
    }
    TreeNode* parent = (place == NodePlace::Before || place == NodePlace::After) ? target->parent_ : target;
    TreeNode* previous = nullptr;
    switch (place) {
    case NodePlace::Before: previous = target->previous_; break;
    case NodePlace::After: previous = target; break;
    case NodePlace::FirstChild: previous = nullptr; break;
    case NodePlace::LastChild: previous = parent->lastChild_; break;
    }
    TreeNode* next = previous ? previous->next_ : parent->firstChild_;
    node->parent_ = parent;
    node->previous_ = previous;
    node->next_ = next;
    (previous ? previous->next_ : parent->firstChild_) = node;
    (next ? next->previous_ : parent->lastChild_) = node;
    ++parent->childCount_;
    if (parent != root_) parent->flags_ |= NodeFlag::HasChildren;
    ++structureVersion_;
}

void ItemTree::unlink(TreeNode* node) {
    TreeNode* parent = node->parent_;
    (node->previous_ ? node->previous_->next_ : parent->firstChild_) = node->next_;
    (node->next_ ? node->next_->previous_ : parent->lastChild_) = node->previous_;
    --parent->childCount_;
    if (parent->childCount_ == 0) parent->flags_ &= static_cast<std::uint16_t>(~NodeFlag::HasChildren);
    node->parent_ = node->previous_ = node->next_ = nullptr;
    ++structureVersion_;
}

// Frees the subtree bottom-up without recursion: descend to a leaf, free it, go on with its
// next sibling or, when it was the last child, with its parent, which has become a leaf.
void ItemTree::destroySubtree(TreeNode* top) {
    TreeNode* node = top;
    for (;;) {
        while (node->firstChild_) node = node->firstChild_;
        if (node->isSelected()) removeFromSelection(node);
        if (node == focused_) focused_ = nullptr;
        if (!identities_.empty()) identities_.erase(node);
        if (node == top) break;
        TreeNode* parent = node->parent_;
        TreeNode* next = node->next_;
        parent->firstChild_ = next;
        if (!next) parent->lastChild_ = nullptr;
        TreeNode::destroy(node);
        --nodeCount_;
        node = next ? next : parent;
    }
    if (top == root_) {
        root_->childCount_ = 0;
        return;
    }
    TreeNode::destroy(top);
    --nodeCount_;
}

TreeNode* ItemTree::nextInTreeOrder(const TreeNode* node, const TreeNode* within) {
    if (node->firstChild_) return node->firstChild_;
    for (const TreeNode* n = node; n && n != within; n = n->parent_) {
        if (n->next_) return n->next_;
    }
    return nullptr;
}

int ItemTree::level(const TreeNode* node) {
    int depth = -1;
    for (const TreeNode* n = node->parent_; n; n = n->parent_) ++depth;
    return depth;
}

bool ItemTree::isAncestor(const TreeNode* ancestor, const TreeNode* node) {
    for (const TreeNode* n = node->parent_; n; n = n->parent_) {
        if (n == ancestor) return true;
    }
    return false;
}

void ItemTree::renumber() const {
    if (numberedVersion_ == structureVersion_) return;
    std::uint32_t counter = 0;
    TreeNode* node = root_->firstChild_;
    while (node) {
        node->order_ = counter++;
        if (node->firstChild_) {
            node = node->firstChild_;
            continue;
        }
        // Close every subtree that ends here, then go on with the next sibling.
        for (;;) {
            node->lastInSubtree_ = counter - 1;
            if (node->next_) {
                node = node->next_;
                break;
            }
            node = node->parent_;
            if (node == root_) {
                node = nullptr;
                break;
            }
        }
    }
    numberedVersion_ = structureVersion_;
}

std::vector<TreeNode*> ItemTree::topmostInTreeOrder(std::span<TreeNode* const> nodes) const {
    renumber();
    std::vector<TreeNode*> sorted;
    sorted.reserve(nodes.size());
    for (TreeNode* n : nodes) {
        if (n && n != root_) sorted.push_back(n);
    }
    std::sort(sorted.begin(), sorted.end(), [](const TreeNode* a, const TreeNode* b) { return a->order_ < b->order_; });
    // Subtrees nest or are apart, so in tree order a node is covered exactly when it falls
    // inside the last node kept.
    std::vector<TreeNode*> topmost;
    for (TreeNode* n : sorted) {
        if (!topmost.empty() && n->order_ <= topmost.back()->lastInSubtree_) continue;
        topmost.push_back(n);
    }
    return topmost;
}

void ItemTree::setFocused(TreeNode* node) { focused_ = node == root_ ? nullptr : node; }

void ItemTree::select(TreeNode* node) {
    if (!node || node == root_ || node->isSelected()) return;
    if (!multiSelect_) clearSelection();
    addToSelection(node);
}

void ItemTree::deselect(TreeNode* node) {
    if (node && node->isSelected()) removeFromSelection(node);
}

void ItemTree::clearSelection() {
    for (TreeNode* n : selection_) n->flags_ &= static_cast<std::uint16_t>(~NodeFlag::Selected);
    selection_.clear();
}

void ItemTree::selectOnly(TreeNode* node) {
    clearSelection();
    select(node);
}

void ItemTree::addToSelection(TreeNode* node) {
    node->flags_ |= NodeFlag::Selected;
    node->selectionSlot_ = static_cast<std::uint32_t>(selection_.size());
    selection_.push_back(node);
}

void ItemTree::removeFromSelection(TreeNode* node) {
    TreeNode* last = selection_.back();
    selection_[node->selectionSlot_] = last;
    last->selectionSlot_ = node->selectionSlot_;
    selection_.pop_back();
    node->flags_ &= static_cast<std::uint16_t>(~NodeFlag::Selected);
}

TreeNode* ItemTree::firstSelected() const {
    if (selection_.size() <= 1) return selection_.empty() ? nullptr : selection_.front();
    renumber();
    return *std::min_element(selection_.begin(), selection_.end(),
                             [](const TreeNode* a, const TreeNode* b) { return a->order_ < b->order_; });
}

std::vector<TreeNode*> ItemTree::selectedInTreeOrder() const {
    renumber();
    std::vector<TreeNode*> sorted = selection_;
    std::sort(sorted.begin(), sorted.end(), [](const TreeNode* a, const TreeNode* b) { return a->order_ < b->order_; });
    return sorted;
}

std::vector<TreeNode*> ItemTree::sortedSelection() const { return topmostInTreeOrder(selection_); }

void ItemTree::settleSelection(TreeNode* top) {
    forEachInSubtree(top, [this](TreeNode* n) {
        const bool listed = n->selectionSlot_ < selection_.size() && selection_[n->selectionSlot_] == n;
        if (!n->isSelected() || listed) return;
        n->flags_ &= static_cast<std::uint16_t>(~NodeFlag::Selected);
        if (multiSelect_) addToSelection(n);
    });
}

}  // namespace torvalet
